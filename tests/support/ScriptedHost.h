#pragma once
// The presentation side of a game without a window: drawing is counted,
// sounds are recorded, questions take their answers from a queue, and a
// finished game's result goes through the program's own hand-off (name
// prompt, Best Scores dialog, score book on disk) with scripted dialogs.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <memory>

#include "engine/Game.h"
#include "engine/GameHost.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "net/InternetTransfers.h"
#include "settings/GameSettings.h"
#include "shell/BestScoresCommand.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"

namespace tintfall {

struct PlayedSound {
    SoundEvent event;
    int slot;
};

struct DrawCounts {
    int redraws = 0;
    int pieceMoves = 0;
    int panelRefreshes = 0;
    int cells = 0;
    int fieldBackgroundCells = 0;
    int coverCells = 0;
    int fieldShows = 0;
};

class ScriptedHost : public GameHost, public ScriptedDialogs {
public:
    // folder is the baseFolder, ending in a backslash.
    ScriptedHost(Files& files, std::string folder, Clock& clock, const GameSettings& settings);
    // The game whose results are recorded; the game stands still while the
    // dialogs are open.
    void attachGame(Game& game);

    void redraw() override { ++draws.redraws; }
    void drawPieceMove() override { ++draws.pieceMoves; }
    void refreshPanel() override { ++draws.panelRefreshes; }
    void drawCell(int, int, CellImage, int) override { ++draws.cells; }
    void drawFieldBackgroundCell(int, int) override { ++draws.fieldBackgroundCells; }
    void drawCoverCell(int, int) override { ++draws.coverCells; }
    void showField() override { ++draws.fieldShows; }

    void playSound(SoundEvent event, int slot) override;
    // Takes the next scripted answer; No when none is left.
    bool askYesNo(const std::string& text) override;
    void showWinnerMessage() override {
        ++winnerMessages;
        dialogs.push_back("winner");
    }

    std::string dateTimeText() override;
    std::int32_t bestLocalScore(std::int32_t mode) override;
    std::int32_t qualifyingScore(std::int32_t mode) override;
    // The program's hand-off: the name prompt (next scripted answer,
    // cancelled when none is left), then the Best Scores dialog.
    void recordResult(const GameResult& result) override;

    int soundCount(SoundEvent event) const;
    // Forgets what was recorded so far (long runs of many games).
    void clearRecords();

    // Scripted answers of the questions, used front first.
    std::deque<bool> yesNoAnswers;

    DrawCounts draws;
    std::vector<PlayedSound> sounds;  // only those the sound switches let through
    std::vector<std::string> questions;
    int winnerMessages = 0;

private:
    Files& files_;
    std::string folder_;
    Clock& clock_;
    const GameSettings& settings_;
    // SEND and UPDATE are never pressed; the internet table is the program's
    // own over an FTP server in memory.
    TestFtpClient ftp_{files_};
    ScriptedInternetDialogs internetDialogs_;
    InternetTransfers internet_{files_, clock_, ftp_, internetDialogs_};
    std::unique_ptr<BestScoresCommand> bestScores_;
};

}  // namespace tintfall
