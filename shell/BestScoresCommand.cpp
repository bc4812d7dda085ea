#include "shell/BestScoresCommand.h"

#include <utility>

#include "engine/ModalPause.h"
#include "scores/BestScoresDialog.h"
#include "scores/NamePrompt.h"
#include "scores/RowReplays.h"

namespace tintfall {

BestScoresCommand::BestScoresCommand(DialogRunner& runner, Files& files, Clock& clock, std::string baseFolder,
                                     InternetTableOperations& internet, std::string uploadKey, Game& game)
    : runner_(runner),
      files_(files),
      clock_(clock),
      baseFolder_(std::move(baseFolder)),
      internet_(internet),
      uploadKey_(std::move(uploadKey)),
      game_(game) {}

void BestScoresCommand::run(ScoreTableId table, const std::optional<ScoreEntry>& pendingResult) {
    // The replays of the rows the dialog may clear or push out, and of the
    // result it may enter; whatever the tables no longer hold afterwards goes.
    std::vector<ScoreEntry> rows = localTableRows(files_, baseFolder_);
    if (pendingResult && !game_.finishedReplay().empty() &&
        keepRowReplay(files_, baseFolder_, *pendingResult, game_.finishedReplay()))
        rows.push_back(*pendingResult);
    BestScoresDialog dialog(files_, clock_, internet_, baseFolder_, uploadKey_, table);
    if (pendingResult) dialog.setPendingResult(*pendingResult);
    runner_.runBestScores(dialog);
    removeLeftRowReplays(files_, baseFolder_, rows);
}

void BestScoresCommand::showBestScores(BestScoresStart start) {
    ModalPause pause(game_);
    run(start == BestScoresStart::InternetTop10 ? InternetTable : ClassicTable, std::nullopt);
}

std::optional<std::string> BestScoresCommand::askPlayerName() {
    NamePrompt prompt(files_, baseFolder_);
    runner_.runNamePrompt(prompt);
    return prompt.result();
}

void BestScoresCommand::recordResult(const GameResult& result) {
    // A result of a mode without a local table has nowhere to go.
    if (result.gameMode < ClassicTable || result.gameMode > RisingTable) return;
    ModalPause pause(game_);
    if (const auto name = askPlayerName()) {
        GameResult named = result;
        named.name = *name;
        run(static_cast<ScoreTableId>(result.gameMode), named);
    }
}

}  // namespace tintfall
