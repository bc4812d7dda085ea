#include "app/win32/DlgScores.h"

#include "platform/win32/DlgModelProc.h"
#include "resources/dialog_ids.h"
#include "scores/BestScoresDialog.h"
#include "scores/NamePrompt.h"
#include "shell/WatchReplayDialog.h"

namespace tintfall {

void runBestScoresDialog(HINSTANCE instance, HWND owner, BestScoresDialog& dialog) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_BEST_SCORES), owner, modelProc<BestScoresDialog>,
                    reinterpret_cast<LPARAM>(&dialog));
}

void runNamePromptDialog(HINSTANCE instance, HWND owner, NamePrompt& prompt) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NAME_PROMPT), owner, modelProc<NamePrompt>,
                    reinterpret_cast<LPARAM>(&prompt));
}

void runWatchReplayDialog(HINSTANCE instance, HWND owner, WatchReplayDialog& dialog) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_WATCH_REPLAY), owner, modelProc<WatchReplayDialog>,
                    reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace tintfall
