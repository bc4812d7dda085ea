#include "tests/support/RandomPlayer.h"

#include "tests/support/GameDriver.h"

namespace tintfall {

void RandomPlayer::planNextPiece(const GameBoard& board) {
    // Mostly the lowest stack, sometimes anywhere.
    targetColumn_ = static_cast<int>(random_() % kColumns);
    if (random_() % 4 != 0) {
        int lowestTop = -1;
        for (int column = 0; column < kColumns; ++column) {
            int top = kFloorRow + 1;
            while (top > 0 && board.cell(column, top - 1) != EmptyCell) --top;
            if (top > lowestTop) {
                lowestTop = top;
                targetColumn_ = column;
            }
        }
    }
    turnsLeft_ = static_cast<int>(random_() % 3);
    lastColumn_ = -1;
    done_ = false;
}

void RandomPlayer::operator()(GameDriver& driver) {
    if (heldKey_ >= 0) {
        driver.keyUp(heldKey_);
        heldKey_ = -1;
    }
    const GameState& state = driver.state();
    const std::int32_t landed = state.stats.piecesCount + state.stats.bombsCount;
    if (landed != landedSeen_) {
        landedSeen_ = landed;
        planNextPiece(state.board);
    }
    if (done_ || !state.notPaused) return;

    const auto& keys = driver.settings().keyCode;
    const int column = state.piece.column;
    // A stack in the way: drop where the piece stands.
    const bool blocked = column == lastColumn_;
    lastColumn_ = column;
    std::int32_t key = -1;
    if (turnsLeft_ > 0) {
        --turnsLeft_;
        key = keys[Rotate];
        lastColumn_ = -1;
    } else if (column != targetColumn_ && !blocked) {
        key = keys[column < targetColumn_ ? MoveRight : MoveLeft];
    } else {
        done_ = true;
        if (dropPieces_) key = keys[DropBottom];
    }
    if (key >= 0) {
        driver.keyDown(key);
        heldKey_ = key;
    }
}

}  // namespace tintfall
