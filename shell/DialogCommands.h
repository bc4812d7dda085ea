#pragma once
// The commands whose dialogs are built elsewhere: the options sheet, saving
// and loading a game, the Best Scores dialog and the hand-off of a finished
// game's result. MainWindow calls them through this seam; while none is set
// the commands do nothing.
#include "scores/ScoreEntry.h"

namespace tintfall {

class MainWindow;

// Which table the Best Scores dialog opens on.
enum class BestScoresStart { LocalClassic, InternetTop10 };

class DialogCommands {
public:
    virtual ~DialogCommands() = default;
    virtual void showOptions(MainWindow& window) = 0;
    virtual void saveGameAs(MainWindow& window) = 0;
    virtual void loadGame(MainWindow& window) = 0;
    virtual void showBestScores(MainWindow& window, BestScoresStart start) = 0;
    // The name prompt and, when it is confirmed, the Best Scores dialog with the entry.
    virtual void recordResult(MainWindow& window, const GameResult& result) = 0;
};

}  // namespace tintfall
