#pragma once
// The dialogs of the commands as real windows, owned by the main window.
#include <windows.h>

#include <string>

#include "net/InternetDialogRunner.h"
#include "net/InternetTransfers.h"
#include "platform/win32/Win32SecureRandom.h"
#include "platform/win32/WinInetFtpClient.h"
#include "shell/DialogRunner.h"

namespace tintfall {

class Win32DialogRunner : public DialogRunner, public InternetDialogRunner {
public:
    explicit Win32DialogRunner(HINSTANCE instance) : instance_(instance) {}
    void attach(HWND owner) { owner_ = owner; }

    bool runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) override;
    std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override;
    void runNamePrompt(NamePrompt& prompt) override;
    void runBestScores(BestScoresDialog& dialog) override;
    void runWatchReplay(WatchReplayDialog& dialog) override;
    void runSendResult(SendResultDialog& dialog) override;
    void runUpload(TransferDialog& dialog) override;
    void runDownload(TransferDialog& dialog) override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
};

// Everything the program needs for its dialog commands: the runner, owned by
// the window once it exists, the internet table, and the random source of the
// installation's upload key.
struct ProgramDialogs {
    ProgramDialogs(HINSTANCE instance, Files& files, Clock& clock)
        : runner(instance), internet(files, clock, ftp, runner) {}
    void attach(HWND owner) { runner.attach(owner); }

    Win32DialogRunner runner;
    WinInetFtpClient ftp;
    Win32SecureRandom random;
    InternetTransfers internet;
};

}  // namespace tintfall
