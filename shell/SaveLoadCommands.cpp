#include "shell/SaveLoadCommands.h"

#include "engine/ModalPause.h"
#include "engine/ReplayFile.h"
#include "settings/SavedGameFile.h"
#include "shell/ProductName.h"

namespace tintfall {

namespace {
constexpr const char* kSavedGameFilter = "Tintfall Save Files (*.tfs)|*.tfs|All Files (*.*)|*.*||";
}  // namespace

FileDialogRequest saveGameRequest() { return {"Save Tintfall Game", kSavedGameFilter, "tfs", "untitled", true}; }

FileDialogRequest loadGameRequest() { return {"Load Tintfall Game", kSavedGameFilter, "tfs", "untitled", false}; }

MessageAnswer SaveLoadCommands::message(const char* text, MessageIcon icon, MessageButtons buttons) {
    return services_.messageBox(text, kProductName, icon, buttons);
}

void SaveLoadCommands::saveGameAs() {
    // Only a running game can be saved; the accelerator must not bypass the
    // greyed menu item.
    if (game_.state().gameRunning == 0) return;
    ModalPause pause(game_);
    if (const auto path = runner_.chooseSaveFile(saveGameRequest())) {
        if (!saveGame(files_, *path, game_.state(), game_.settings())) {
            message(saveGameErrorText(*path), MessageIcon::Exclamation);
            return;
        }
        // The replay so far goes beside the game; a game without one, or
        // whose replay cannot be written, must not find an older game's
        // replay there when it is loaded.
        const std::string replayPath = *path + kReplayFileEnding;
        const std::vector<std::uint8_t> replay = game_.replaySoFar();
        if (replay.empty() || !files_.write(replayPath, encodeReplayFile(replay))) files_.remove(replayPath);
    }
}

void SaveLoadCommands::loadGame() {
    ModalPause pause(game_);
    const auto path = runner_.chooseOpenFile(loadGameRequest());
    if (!path) return;
    if (game_.state().gameRunning != 0 &&
        message(kCancelGameQuestion, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // Read into copies: a refused file leaves the current game as it was.
    GameState loaded = game_.state();
    GameSettings loadedRules = game_.settings();
    switch (tintfall::loadGame(files_, *path, loaded, loadedRules)) {
        case SavedGameLoad::CannotOpen: message(loadGameErrorText(*path), MessageIcon::Exclamation); return;
        case SavedGameLoad::Incorrect: message(kSavedGameIncorrect, MessageIcon::Exclamation); return;
        case SavedGameLoad::Loaded: break;
    }
    // A game saved without a replay, or with a damaged one, is played on unrecorded.
    const auto replayFile = files_.read(*path + kReplayFileEnding, kReplayMaxFileBytes);
    const ReplayFileRead replay = replayFile ? parseReplayFile(*replayFile) : ReplayFileRead{};
    game_.continueLoadedGame(loaded, loadedRules, replay.ok() ? replay.events : std::vector<std::uint8_t>{});
}

}  // namespace tintfall
