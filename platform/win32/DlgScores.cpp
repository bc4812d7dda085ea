#include "platform/win32/DlgScores.h"

#include "platform/win32/DlgControls.h"
#include "resources/dialog_ids.h"
#include "scores/BestScoresDialog.h"
#include "scores/NamePrompt.h"

namespace tintfall {

namespace {

// Both dialogs only hand their button clicks to the model.
template <typename Model>
INT_PTR CALLBACK modelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Win32DialogControls controls(dialog);
        reinterpret_cast<Model*>(lParam)->onInit(controls);
        return TRUE;
    }
    auto* model = reinterpret_cast<Model*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (model == nullptr || message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    Win32DialogControls controls(dialog);
    model->onCommand(controls, LOWORD(wParam));
    return TRUE;
}

}  // namespace

void runBestScoresDialog(HINSTANCE instance, HWND owner, BestScoresDialog& dialog) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_BEST_SCORES), owner, modelProc<BestScoresDialog>,
                    reinterpret_cast<LPARAM>(&dialog));
}

void runNamePromptDialog(HINSTANCE instance, HWND owner, NamePrompt& prompt) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NAME_PROMPT), owner, modelProc<NamePrompt>,
                    reinterpret_cast<LPARAM>(&prompt));
}

}  // namespace tintfall
