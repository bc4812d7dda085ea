#include "tools/render/DemoGame.h"

namespace tintfall {

void makeDemoGame(GameState& game, GameSettings& settings) {
    settings.gameMode = Timer;
    settings.colourCount = Hard;
    settings.blockCountCode = ThreeBlocks;
    game = GameState{};
    game.gameRunning = 1;
    game.notPaused = 1;
    game.appActive = 1;
    game.level = 4;
    game.score = 12345;
    game.bestScoreToBeat = 20000;
    game.bestSoundPending = 1;
    game.blocksRemoved = 123;
    game.blocksToClear = 17;
    game.timeLeft = 125;
    game.riseCountdown = -1;

    // Stacks from the floor up, one string of colours per column.
    const char* stacks[kColumns] = {"0120", "31", "254103", "", "5342", "10"};
    for (int column = 0; column < kColumns; ++column)
        for (int i = 0; stacks[column][i] != '\0'; ++i)
            game.board.setCell(column, kFloorRow - i, stacks[column][i] - '0');

    game.piece.kind = ThreeBlocks;
    game.piece.colours = {4, 2, 5};
    game.piece.column = 3;
    game.piece.row = 8;
    game.piece.prevColumn = 3;
    game.piece.prevRow = 8;
    game.nextColours = {1, 3, 0};
}

}  // namespace tintfall
