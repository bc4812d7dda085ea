#include "app/win32/DlgRunner.h"

#include "app/win32/DlgInternet.h"
#include "app/win32/DlgOptionsSheet.h"
#include "app/win32/DlgScores.h"
#include "platform/win32/DlgFileChooser.h"
#include "resources/dialog_ids.h"

namespace tintfall {

bool Win32DialogRunner::runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) {
    return tintfall::runOptionsSheet(instance_, owner_, game, interfacePage, control, sound);
}

std::optional<std::string> Win32DialogRunner::chooseSaveFile(const FileDialogRequest& request) {
    return runFileChooser(owner_, request, FileChooserKind::Save);
}

std::optional<std::string> Win32DialogRunner::chooseOpenFile(const FileDialogRequest& request) {
    return runFileChooser(owner_, request, FileChooserKind::Open);
}

void Win32DialogRunner::runNamePrompt(NamePrompt& prompt) { runNamePromptDialog(instance_, owner_, prompt); }

void Win32DialogRunner::runBestScores(BestScoresDialog& dialog) { runBestScoresDialog(instance_, owner_, dialog); }

void Win32DialogRunner::runWatchReplay(WatchReplayDialog& dialog) {
    runWatchReplayDialog(instance_, owner_, dialog);
}

void Win32DialogRunner::runSendResult(SendResultDialog& dialog) { runSendResultDialog(instance_, owner_, dialog); }

void Win32DialogRunner::runUpload(TransferDialog& dialog) { runTransferDialog(instance_, owner_, IDD_UPLOAD, dialog); }

void Win32DialogRunner::runDownload(TransferDialog& dialog) {
    runTransferDialog(instance_, owner_, IDD_DOWNLOAD, dialog);
}

}  // namespace tintfall
