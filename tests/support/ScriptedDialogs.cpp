#include "tests/support/ScriptedDialogs.h"

#include "platform/DialogControls.h"
#include "resources/dialog_ids.h"
#include "scores/BestScoresDialog.h"
#include "scores/NamePrompt.h"
#include "shell/WatchReplayDialog.h"

namespace tintfall {

void ScriptedDialogs::snapshot() {
    if (watched) snapshots.push_back({watched->notPaused, watched->clockRunning});
}

bool ScriptedDialogs::runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) {
    snapshot();
    return optionsSheet ? optionsSheet(game, interfacePage, control, sound) : false;
}

std::optional<std::string> ScriptedDialogs::choose(const FileDialogRequest& request) {
    snapshot();
    fileDialogs.push_back(request);
    if (chosenFiles.empty()) return std::nullopt;
    auto path = chosenFiles.front();
    chosenFiles.pop_front();
    return path;
}

void ScriptedDialogs::runNamePrompt(NamePrompt& prompt) {
    snapshot();
    dialogs.push_back("name");
    FakeControls controls;
    prompt.onInit(controls);
    namePromptsProposed.push_back(controls.text(IDC_PLAYER_NAME));
    std::optional<std::string> name;
    if (!nameAnswers.empty()) {
        name = nameAnswers.front();
        nameAnswers.pop_front();
    }
    if (name) controls.type(IDC_PLAYER_NAME, *name);
    prompt.onCommand(controls, name ? kDialogOk : kDialogCancel);
}

void ScriptedDialogs::runBestScores(BestScoresDialog& dialog) {
    snapshot();
    ++bestScoresShown;
    bestScoresTable = dialog.currentTable;
    bestScores = FakeControls();
    dialog.onInit(bestScores);
    if (dialog.pending) {
        recordedResults.push_back(dialog.pendingEntry);
        recordedPlaces.push_back(bestScores.endResult() == 0 ? dialog.markedRow : std::nullopt);
    }
    if (bestScores.endResult() != 0) {
        ++tableUpdateFailures;
        return;
    }
    dialog.onCommand(bestScores, kDialogOk);
}

void ScriptedDialogs::runWatchReplay(WatchReplayDialog& dialog) {
    snapshot();
    FakeControls controls;
    dialog.onInit(controls);
    replayLines = dialog.lines();
    if (replayChoice) controls.selectListItem(IDC_REPLAY_LIST, *replayChoice);
    dialog.onCommand(controls, replayChoice ? kDialogOk : kDialogCancel);
}

}  // namespace tintfall
