#pragma once
// A GameHost that records every call, with scripted answers.
#include <string>
#include <utility>
#include <vector>

#include "engine/GameHost.h"

namespace tintfall::test {

struct DrawnCell {
    int column;
    int row;
    CellImage image;
    int frame;
};

class RecordingHost : public GameHost {
public:
    void redraw() override {
        log.push_back("redraw");
        ++redraws;
        if (watched) notPausedAtRedraw.push_back(watched->notPaused);
    }
    void drawPieceMove() override { log.push_back("drawPieceMove"); ++pieceMoves; }
    void refreshPanel() override { log.push_back("refreshPanel"); ++panelRefreshes; }
    void drawCell(int column, int row, CellImage image, int frame) override {
        cells.push_back({column, row, image, frame});
    }
    void drawFieldBackgroundCell(int column, int row) override { backgroundCells.emplace_back(column, row); }
    void drawCoverCell(int column, int row) override { coverCells.emplace_back(column, row); }
    void showField() override { log.push_back("showField"); ++fieldCopies; }
    void playSound(SoundEvent event, int slot) override {
        log.push_back("sound " + std::to_string(event) + "/" + std::to_string(slot));
        sounds.emplace_back(event, slot);
    }
    bool askYesNo(const std::string& text) override {
        log.push_back("ask");
        questions.push_back(text);
        return answerYes;
    }
    void showWinnerMessage() override { log.push_back("winner"); ++winnerMessages; }
    std::string dateTimeText() override { return dateTime; }
    std::int32_t bestLocalScore(std::int32_t mode) override {
        bestScoreModes.push_back(mode);
        return bestScore;
    }
    std::int32_t qualifyingScore(std::int32_t) override { return qualifying; }
    void recordResult(const GameResult& result) override {
        log.push_back("recordResult");
        results.push_back(result);
    }

    int soundCount(SoundEvent event) const {
        int count = 0;
        for (const auto& sound : sounds)
            if (sound.first == event) ++count;
        return count;
    }
    void clear() {
        log.clear();
        sounds.clear();
        cells.clear();
        backgroundCells.clear();
        coverCells.clear();
    }

    std::vector<std::string> log;
    std::vector<std::pair<SoundEvent, int>> sounds;
    std::vector<DrawnCell> cells;
    std::vector<std::pair<int, int>> backgroundCells;
    std::vector<std::pair<int, int>> coverCells;
    std::vector<std::string> questions;
    std::vector<std::int32_t> bestScoreModes;
    std::vector<GameResult> results;
    int redraws = 0;
    int pieceMoves = 0;
    int panelRefreshes = 0;
    int fieldCopies = 0;
    int winnerMessages = 0;

    // The pause flag each frame was drawn with, when a state is watched.
    const GameState* watched = nullptr;
    std::vector<std::int32_t> notPausedAtRedraw;

    bool answerYes = false;
    std::string dateTime = "08.12.2026 05:30";
    std::int32_t bestScore = 0;
    std::int32_t qualifying = 1000000;
};

}  // namespace tintfall::test
