#pragma once
// The options sheet: its four pages get copies of the settings and hand them
// back on OK. The game stands still while it is open.
#include <string>
#include <utility>

#include "engine/Game.h"
#include "shell/DialogRunner.h"

namespace tintfall {

// What a change on the sheet asks of the window besides the settings.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual void setTitleAnimation(bool on) = 0;
    // The bitmaps of the selected block set again.
    virtual void reloadBlockSet() = 0;
    // Writes the options file, reporting a failure.
    virtual void saveOptions() = 0;
};

class OptionsCommand {
public:
    OptionsCommand(DialogRunner& runner, Game& game, std::string baseFolder, OptionsTarget& target)
        : runner_(runner), game_(game), baseFolder_(std::move(baseFolder)), target_(target) {}

    void show();

private:
    DialogRunner& runner_;
    Game& game_;
    std::string baseFolder_;
    OptionsTarget& target_;
};

}  // namespace tintfall
