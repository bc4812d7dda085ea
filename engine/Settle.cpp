#include "engine/Settle.h"

#include "engine/Game.h"

namespace tintfall {

SettlePass settleOnePass(GameBoard& board) {
    SettlePass pass;
    for (int column = 0; column < kColumns; ++column) {
        int runLength = 0;
        for (int row = kFirstVisibleRow; row < kRows; ++row) {
            if (board.cell(column, row) != EmptyCell) {
                ++runLength;
                continue;
            }
            if (runLength == 0) continue;
            // Move the run down by one row: its top cell becomes empty.
            for (int r = row; r > row - runLength; --r) board.setCell(column, r, board.cell(column, r - 1));
            board.setCell(column, row - runLength, EmptyCell);
            pass.moved = true;
            const bool landed = row == kFloorRow || board.cell(column, row + 1) != EmptyCell;
            if (landed) pass.blocksAtRest += runLength;
            runLength = 0;
        }
    }
    return pass;
}

int blockDownSlot(std::int32_t blocksAtRest) {
    if (blocksAtRest <= 0) return -1;
    if (blocksAtRest <= 2) return 1;
    if (blocksAtRest >= 6) return 5;
    return blocksAtRest - 1;
}

void Game::settle() {
    for (;;) {
        const SettlePass pass = settleOnePass(state_.board);
        if (!pass.moved) return;
        const int slot = blockDownSlot(pass.blocksAtRest);
        if (slot > 0) host_.playSound(BlockDown, slot);
        host_.showField();
        clock_.sleep(200);
    }
}

}  // namespace tintfall
