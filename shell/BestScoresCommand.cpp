#include "scores/BestScoresDialog.h"
#include "scores/NamePrompt.h"
#include "shell/MainWindow.h"
#include "shell/ModalDialogCommands.h"

namespace tintfall {

void ModalDialogCommands::runBestScores(MainWindow& window, ScoreTableId table,
                                        const std::optional<ScoreEntry>& pendingResult) {
    BestScoresDialog dialog(window.files, window.clock, internet_, window.baseFolder, uploadKey_, table);
    if (pendingResult) dialog.setPendingResult(*pendingResult);
    runner_.runBestScores(dialog);
}

void ModalDialogCommands::showBestScores(MainWindow& window, BestScoresStart start) {
    window.suspendForModal();
    runBestScores(window, start == BestScoresStart::InternetTop10 ? InternetTable : ClassicTable, std::nullopt);
    window.resumeAfterModal();
}

std::optional<std::string> ModalDialogCommands::askPlayerName(MainWindow& window) {
    NamePrompt prompt(window.files, window.baseFolder);
    runner_.runNamePrompt(prompt);
    return prompt.result();
}

void ModalDialogCommands::recordResult(MainWindow& window, const GameResult& result) {
    // A result of a mode without a local table has nowhere to go.
    if (result.gameMode < ClassicTable || result.gameMode > RisingTable) return;
    window.suspendForModal();
    if (const auto name = askPlayerName(window)) {
        GameResult named = result;
        named.name = *name;
        runBestScores(window, static_cast<ScoreTableId>(result.gameMode), named);
    }
    window.resumeAfterModal();
}

}  // namespace tintfall
