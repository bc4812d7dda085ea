#include <array>

#include "engine/Game.h"

namespace tintfall {

namespace {

constexpr int kVisibleRows = kRows - kFirstVisibleRow;
constexpr int kVisibleCells = kColumns * kVisibleRows;

}  // namespace

void Game::fieldAnimation(bool restoreField) {
    state_.clockRunning = 0;
    const std::int32_t coverColour = randomColour();
    std::array<bool, kColumns * kRows> covered{};

    // Random cells are picked until every visible cell has been handled;
    // picks of handled cells are simply repeated, without waiting.
    auto pickCell = [this](int& column, int& row) {
        column = nextRandom() % kColumns;
        row = kFirstVisibleRow + nextRandom() % kVisibleRows;
    };

    for (int done = 0; done < kVisibleCells;) {
        int column = 0;
        int row = 0;
        pickCell(column, row);
        bool& cell = covered[static_cast<std::size_t>(column * kRows + row)];
        if (cell) continue;
        host_.drawCell(column, row, CellImage::Blocks, coverColour);
        cell = true;
        ++done;
        wait(settings_.levelAnimationDelay);
    }

    for (int done = 0; done < kVisibleCells;) {
        int column = 0;
        int row = 0;
        pickCell(column, row);
        bool& cell = covered[static_cast<std::size_t>(column * kRows + row)];
        if (!cell) continue;
        if (!restoreField) {
            host_.drawCoverCell(column, row);
        } else if (state_.board.cell(column, row) != EmptyCell) {
            host_.drawCell(column, row, CellImage::Blocks, state_.board.cell(column, row));
        } else {
            host_.drawFieldBackgroundCell(column, row);
        }
        cell = false;
        ++done;
        wait(settings_.levelAnimationDelay);
    }
}

void Game::levelAnimation() { fieldAnimation(true); }

void Game::endAnimation() { fieldAnimation(false); }

}  // namespace tintfall
