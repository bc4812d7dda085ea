#pragma once
// The dialogs of the commands as real windows, owned by the main window.
#include <windows.h>

#include "scores/InternetTableOperations.h"
#include "shell/DialogRunner.h"
#include "shell/ModalDialogCommands.h"

namespace tintfall {

class MainWindow;

class Win32DialogRunner : public DialogRunner {
public:
    explicit Win32DialogRunner(HINSTANCE instance) : instance_(instance) {}
    void attach(HWND owner) { owner_ = owner; }

    bool runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) override;
    std::optional<std::string> chooseSaveFile(const FileDialogSpec& spec) override;
    std::optional<std::string> chooseOpenFile(const FileDialogSpec& spec) override;
    void runNamePrompt(NamePrompt& prompt) override;
    void runBestScores(BestScoresDialog& dialog) override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
};

// Everything the program needs for its dialog commands; attach hands the
// commands to the main window once its window exists.
struct ProgramDialogs {
    explicit ProgramDialogs(HINSTANCE instance) : runner(instance), commands(runner, internet) {}
    void attach(HWND owner, MainWindow& window);

    Win32DialogRunner runner;
    NoInternetTable internet;
    ModalDialogCommands commands;
};

}  // namespace tintfall
