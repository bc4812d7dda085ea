#pragma once
// Save As and Load: the file choosers, the saved-game file and its messages.
// The game stands still while they are open.
#include "engine/Game.h"
#include "platform/FileDialogRequest.h"
#include "platform/Files.h"
#include "platform/WindowServices.h"
#include "shell/DialogRunner.h"

namespace tintfall {

inline constexpr const char* kCancelGameQuestion = "Attention! Do you want to cancel current game?";

FileDialogRequest saveGameRequest();
FileDialogRequest loadGameRequest();

class SaveLoadCommands {
public:
    SaveLoadCommands(DialogRunner& runner, Files& files, Game& game, WindowServices& services)
        : runner_(runner), files_(files), game_(game), services_(services) {}

    // Only while a game runs.
    void saveGameAs();
    void loadGame();

private:
    MessageAnswer message(const char* text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);
    MessageAnswer message(const std::string& text, MessageIcon icon) { return message(text.c_str(), icon); }

    DialogRunner& runner_;
    Files& files_;
    Game& game_;
    WindowServices& services_;
};

}  // namespace tintfall
