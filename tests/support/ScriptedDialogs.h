#pragma once
// The program's dialogs played from a script: what the player does in the
// options sheet, which file is chosen, what name is typed; the Best Scores
// dialog is opened and closed with OK. Records what each dialog showed.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/GameState.h"
#include "scores/ScoreBook.h"
#include "shell/DialogRunner.h"
#include "tests/support/FakeControls.h"

namespace tintfall {

// What the game looked like while a dialog was open.
struct ModalSnapshot {
    std::int32_t notPaused;
    std::int32_t clockRunning;
};

class ScriptedDialogs : public DialogRunner {
public:
    bool runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) override;
    std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) override { return choose(request); }
    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override { return choose(request); }
    // Types the next scripted name and confirms, or cancels when none is left.
    void runNamePrompt(NamePrompt& prompt) override;
    void runBestScores(BestScoresDialog& dialog) override;
    // Chooses the line of replayChoice (Cancel when none), after recording
    // the lines shown.
    void runWatchReplay(WatchReplayDialog& dialog) override;

    // The player's actions in the open sheet; the result is OK (true) or Cancel.
    std::function<bool(CGameOpt&, CIntOpt&, CConOpt&, CSndOpt&)> optionsSheet;
    // Chosen paths, used front first; nothing (Cancel) when none is left.
    std::deque<std::optional<std::string>> chosenFiles;
    std::vector<FileDialogRequest> fileDialogs;
    // Names typed into the prompts, front first; nothing cancels.
    std::deque<std::optional<std::string>> nameAnswers;
    // The name each prompt proposed (the last name entered).
    std::vector<std::string> namePromptsProposed;
    // The Best Scores dialog as it was last shown.
    FakeControls bestScores;
    int bestScoresShown = 0;
    std::optional<ScoreTableId> bestScoresTable;
    // Each result the dialog was opened with, and the place it took (none
    // when it did not enter the table or the book could not be saved).
    std::vector<GameResult> recordedResults;
    std::vector<std::optional<int>> recordedPlaces;
    std::optional<int> replayChoice;
    std::vector<std::string> replayLines;
    // Dialogs that closed themselves on a file error.
    int tableUpdateFailures = 0;
    // Every modal opened, in order ("name" for the prompt; hosts add theirs).
    std::vector<std::string> dialogs;
    // When set, the game's pause flags at every dialog.
    const GameState* watched = nullptr;
    std::vector<ModalSnapshot> snapshots;

private:
    std::optional<std::string> choose(const FileDialogRequest& request);
    void snapshot();
};

}  // namespace tintfall
