#include "app/win32/DlgInternet.h"

#include "net/SendResultDialog.h"
#include "net/TransferDialog.h"
#include "platform/win32/DlgModelProc.h"
#include "resources/dialog_ids.h"

namespace tintfall {

namespace {

BOOL CALLBACK takeEnabledWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The topmost visible window of this thread that takes input: while a modal
// dialog is open, that dialog. Owning the new dialog by it keeps the windows
// beneath disabled until the new one closes.
HWND inputOwner(HWND fallback) {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), takeEnabledWindow, reinterpret_cast<LPARAM>(&found));
    return found ? found : fallback;
}

INT_PTR CALLBACK transferProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        initModel<TransferDialog>(window, lParam);
        return TRUE;
    }
    auto* model = modelOf<TransferDialog>(window);
    if (model == nullptr) return FALSE;
    Win32DialogControls controls(window);
    switch (message) {
        case WM_TIMER: model->onTimer(controls, static_cast<int>(wParam)); return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return FALSE;
            model->onCommand(controls, LOWORD(wParam));
            return TRUE;
        case WM_DESTROY: model->onDestroy(controls); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

void runSendResultDialog(HINSTANCE instance, HWND fallbackOwner, SendResultDialog& dialog) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SEND_RESULT), inputOwner(fallbackOwner),
                    modelProc<SendResultDialog>, reinterpret_cast<LPARAM>(&dialog));
}

void runTransferDialog(HINSTANCE instance, HWND fallbackOwner, int templateId, TransferDialog& dialog) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), inputOwner(fallbackOwner), transferProc,
                    reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace tintfall
