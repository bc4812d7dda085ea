#include "engine/RisingMode.h"

#include "engine/Game.h"
#include "engine/Scoring.h"

namespace tintfall {

RisingRow drawRisingRow(RandomGenerator& random, std::int32_t colourCount) {
    RisingRow row{};
    for (int column = 0; column < kColumns; ++column) {
        std::int32_t colour = random.next() % colourCount;
        while (column >= 2 && colour == row[column - 1] && colour == row[column - 2])
            colour = random.next() % colourCount;
        row[column] = colour;
    }
    return row;
}

bool pushRowIntoBoard(GameBoard& board, const RisingRow& row) {
    for (int column = 0; column < kColumns; ++column) {
        for (int r = 0; r < kFloorRow; ++r) board.setCell(column, r, board.cell(column, r + 1));
        board.setCell(column, kFloorRow, row[column]);
    }
    for (int column = 0; column < kColumns; ++column)
        for (int r = 0; r < kFirstVisibleRow; ++r)
            if (board.cell(column, r) != EmptyCell) return true;
    return false;
}

bool Game::pushRisingRow() {
    play(RowAdded);
    seedRandom();
    const RisingRow row = drawRisingRow(state_.random, colourCount());
    const bool overflowed = pushRowIntoBoard(state_.board, row);
    redraw();
    if (overflowed) {
        gameOver();
        return false;
    }
    return true;
}

bool Game::applyRiseRule(std::int32_t& removed) {
    state_.riseCountdown += riseCountdownChange(removed);
    if (state_.riseCountdown > state_.riseCountdownMax) state_.riseCountdown = state_.riseCountdownMax;
    if (state_.riseCountdown > 0) return true;
    state_.riseCountdown = state_.riseCountdownMax;
    if (!pushRisingRow()) return false;
    removed += removeRuns(true);
    return true;
}

}  // namespace tintfall
