#include "engine/Bombs.h"

#include <algorithm>

#include "engine/Game.h"

namespace tintfall {

std::int32_t explosionDepth(std::int32_t kind, std::int32_t targetRow) {
    const std::int32_t depth = kind == LargeBomb ? 3 : kind == MediumBomb ? 2 : 1;
    return std::max(0, std::min(depth, kRows - targetRow));
}

void Game::explode(std::int32_t kind) {
    const int column = state_.piece.column;
    const int row = state_.piece.row;
    if (!onBoard(column, row)) return;
    const std::int32_t depth = explosionDepth(kind, row);
    for (int frame = 0; frame < 5; ++frame) {
        for (int r = row; r < row + depth; ++r)
            if (r >= kFirstVisibleRow) host_.drawCell(column, r, CellImage::Explosion, frame);
        wait(settings_.demolitionDelay);
    }
    for (int r = row; r < row + depth; ++r) state_.board.setCell(column, r, EmptyCell);
}

}  // namespace tintfall
