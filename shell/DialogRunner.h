#pragma once
// The modal dialogs of the commands, as the platform runs them. The Win32
// layer shows the real dialogs; tests script what the player does in them.
#include <optional>
#include <string>

#include "platform/FileDialogRequest.h"

namespace tintfall {

class CGameOpt;
class CIntOpt;
class CConOpt;
class CSndOpt;
class NamePrompt;
class BestScoresDialog;
class WatchReplayDialog;

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // The options sheet with its pages in this order; true when closed with OK.
    virtual bool runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) = 0;
    // The full path chosen, or nothing on Cancel.
    virtual std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) = 0;
    virtual void runNamePrompt(NamePrompt& prompt) = 0;
    virtual void runBestScores(BestScoresDialog& dialog) = 0;
    virtual void runWatchReplay(WatchReplayDialog& dialog) = 0;
};

}  // namespace tintfall
