#pragma once
// The presentation side of a game without a window: drawing is counted,
// sounds are recorded, questions and the name prompt take their answers from
// queues, and results go into the score book on disk as the Best Scores
// dialog would put them there.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/GameHost.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "settings/GameSettings.h"

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

class ScriptedHost : public GameHost {
public:
    // folder is the program folder, ending in a backslash.
    ScriptedHost(Files& files, std::string folder, Clock& clock, const GameSettings& settings);

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
    // The name prompt (next scripted answer, cancelled when none is left),
    // then the result into its mode's table in "data.tft".
    void recordResult(const GameResult& result) override;

    int soundCount(SoundEvent event) const;
    // Forgets what was recorded so far (long runs of many games).
    void clearRecords();

    // Scripted answers, used front first.
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> nameAnswers;

    DrawCounts draws;
    std::vector<PlayedSound> sounds;  // only those the sound switches let through
    std::vector<std::string> questions;
    // Every modal the game opened, in order: "question", "winner", "name".
    std::vector<std::string> dialogs;
    int winnerMessages = 0;
    // Each prompt and the name it proposed (the last name entered).
    std::vector<std::string> namePromptsProposed;
    // Every result that came in with its name, and the place it took (none
    // when it did not enter the table or the table could not be saved).
    std::vector<GameResult> recordedResults;
    std::vector<std::optional<int>> recordedPlaces;
    // Set when the book could not be updated on disk.
    int tableUpdateFailures = 0;

private:
    Files& files_;
    std::string folder_;
    Clock& clock_;
    const GameSettings& settings_;
};

}  // namespace tintfall
