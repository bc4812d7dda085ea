#include "tests/support/RunningGame.h"

namespace tintfall {

void setRunningGame(GameState& game, std::int32_t level, std::int32_t pieceRow) {
    game.gameRunning = 1;
    game.notPaused = 1;
    game.appActive = 1;
    game.level = level;
    game.blocksToClear = 20;
    game.timeLeft = -1;
    game.riseCountdown = -1;
    game.piece.kind = ThreeBlocks;
    game.piece.colours = {0, 1, 2};
    game.piece.column = 2;
    game.piece.row = pieceRow;
    game.nextColours = {3, 4, 5};
}

void setOneDropFromWinning(GameState& game) {
    game.level = 20;
    game.blocksToClear = 3;
    game.board.setCell(0, kFloorRow, 0);
    game.board.setCell(1, kFloorRow, 0);
    game.piece.kind = ThreeBlocks;
    game.piece.colours = {0, 1, 2};
}

}  // namespace tintfall
