#pragma once
// Everything the engine needs from outside the game rules: drawing, sounds,
// the questions it asks and the best-score hand-off. MainWindow implements
// it; tests use recording fakes and the headless driver.
#include <cstdint>
#include <string>

#include "scores/ScoreEntry.h"
#include "settings/GameSettings.h"

namespace tintfall {

// Cell-sized images the engine draws straight into the window.
enum class CellImage { Blocks, Removal, Explosion };

class GameHost {
public:
    virtual ~GameHost() = default;

    // Full frame into the back buffer, then to the window.
    virtual void redraw() = 0;
    // Redraws the visible cells the falling piece left and now covers.
    virtual void drawPieceMove() = 0;
    // Number displays only, with the best-score rule.
    virtual void refreshPanel() = 0;
    // One cell straight into the window (visible rows only).
    virtual void drawCell(int column, int row, CellImage image, int frame) = 0;
    // The field background at one cell, straight into the window.
    virtual void drawFieldBackgroundCell(int column, int row) = 0;
    // The cover picture at one cell, straight into the window.
    virtual void drawCoverCell(int column, int row) = 0;
    // The settle pass: visible field into the back buffer, field rectangle to the window.
    virtual void showField() = 0;

    // Plays the slot's file when the sound switches allow the event.
    virtual void playSound(SoundEvent event, int slot) = 0;

    // Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // "You are Winner !" in the congratulations box.
    virtual void showWinnerMessage() = 0;

    virtual std::string dateTimeText() = 0;
    virtual std::int32_t bestLocalScore(std::int32_t mode) = 0;
    virtual std::int32_t qualifyingScore(std::int32_t mode) = 0;
    // The name prompt and, when confirmed, the Best Scores dialog.
    virtual void recordResult(const GameResult& result) = 0;
};

}  // namespace tintfall
