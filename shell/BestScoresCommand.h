#pragma once
// The Best Scores dialog opened from the menu or the panel, and the hand-off
// of a finished game's result: the name prompt, then the dialog with the
// entry. The game stands still while they are open.
#include <optional>
#include <string>
#include <utility>

#include "engine/Game.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "scores/InternetTableOperations.h"
#include "scores/ScoreBook.h"
#include "shell/DialogRunner.h"

namespace tintfall {

// Which table the Best Scores dialog opens on.
enum class BestScoresStart { LocalClassic, InternetTop10 };

class BestScoresCommand {
public:
    // uploadKey: the installation's key, handed on to SEND.
    BestScoresCommand(DialogRunner& runner, Files& files, Clock& clock, std::string baseFolder,
                      InternetTableOperations& internet, std::string uploadKey, Game& game);

    void showBestScores(BestScoresStart start);
    // The name prompt over "lastname.dat" and, when it is confirmed, the
    // dialog on the table of the result's mode with the entry.
    void recordResult(const GameResult& result);

private:
    std::optional<std::string> askPlayerName();
    void run(ScoreTableId table, const std::optional<ScoreEntry>& pendingResult);

    DialogRunner& runner_;
    Files& files_;
    Clock& clock_;
    std::string baseFolder_;
    InternetTableOperations& internet_;
    std::string uploadKey_;
    Game& game_;
};

}  // namespace tintfall
