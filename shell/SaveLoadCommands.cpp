#include "settings/SavedGameFile.h"
#include "shell/MainWindow.h"
#include "shell/ModalDialogCommands.h"

namespace tintfall {

namespace {
constexpr const char* kSavedGameFilter = "Tintfall Save Files (*.tfs)|*.tfs|All Files (*.*)|*.*||";
}  // namespace

FileDialogSpec saveGameDialogSpec() { return {"Save Tintfall Game", kSavedGameFilter, "tfs", "untitled", true}; }

FileDialogSpec loadGameDialogSpec() { return {"Load Tintfall Game", kSavedGameFilter, "tfs", "untitled", false}; }

void ModalDialogCommands::saveGameAs(MainWindow& window) {
    // Only a running game can be saved; the accelerator must not bypass the
    // greyed menu item.
    if (window.state.gameRunning == 0) return;
    window.suspendForModal();
    if (const auto path = runner_.chooseSaveFile(saveGameDialogSpec())) {
        if (!saveGame(window.files, *path, window.state, window.settings))
            window.message(saveGameErrorText(*path), MessageIcon::Exclamation);
    }
    window.resumeAfterModal();
}

void ModalDialogCommands::loadGame(MainWindow& window) {
    window.suspendForModal();
    const auto path = runner_.chooseOpenFile(loadGameDialogSpec());
    if (!path) {
        window.resumeAfterModal();
        return;
    }
    if (window.state.gameRunning != 0 &&
        window.message(kCancelGameQuestion, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        window.resumeAfterModal();
        return;
    }
    // The file is parsed whole before anything changes, so a refused file
    // leaves the current game as it was.
    switch (tintfall::loadGame(window.files, *path, window.state, window.settings)) {
        case SavedGameLoad::CannotOpen:
            window.message(loadGameErrorText(*path), MessageIcon::Exclamation);
            window.resumeAfterModal();
            return;
        case SavedGameLoad::Incorrect:
            window.message(kSavedGameIncorrect, MessageIcon::Exclamation);
            window.resumeAfterModal();
            return;
        case SavedGameLoad::Loaded:
            break;
    }
    window.game.continueLoadedGame();
    window.resumeAfterModal();
}

}  // namespace tintfall
