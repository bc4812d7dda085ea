#include "engine/Game.h"
#include "engine/LevelTable.h"
#include "engine/Scoring.h"

namespace tintfall {

bool Game::landPiece() {
    FallingPiece& piece = state_.piece;
    if (isBomb(piece.kind)) {
        ++state_.stats.bombsCount;
        if (!onBoard(piece.column, piece.row)) {
            play(BombDisappears);
            piece.kind = normalKind();
            spawnNextPiece();
            redraw();
            return true;
        }
        redraw();
        play(BombExplosion);
        explode(piece.kind);
        putPieceAtSpawn();
        settle();
        redraw();
        piece.kind = normalKind();
        return continueAfterRemoval(removeRuns(false), true);
    }

    ++state_.stats.piecesCount;
    bool inHiddenRows = false;
    const bool normalPiece = piece.kind >= ThreeBlocks && piece.kind <= OneBlock;
    const int blocks = blocksPerKind[static_cast<std::size_t>(normalPiece ? piece.kind : ThreeBlocks)];
    for (int i = 0; i < blocks; ++i) {
        const int row = piece.row - i;
        if (row < kFirstVisibleRow) inHiddenRows = true;
        // A block above the top row has no cell to go to; it still overflows.
        if (onBoard(piece.column, row)) state_.board.setCell(piece.column, row, piece.colours[i]);
    }
    putPieceAtSpawn();
    redraw();
    host_.playSound(BlockDown, 2);
    if (inHiddenRows) {
        gameOver();
        return false;
    }
    return continueAfterRemoval(removeRuns(false), false);
}

void Game::turnIntoBomb(std::int32_t kind) {
    FallingPiece& piece = state_.piece;
    piece.kind = kind;
    piece.colours[0] = kind + 3;  // bombs are drawn with colours 6, 7 and 8
    putPieceAtSpawn();
    state_.lastFallTime = state_.lastTickTime = clock_.milliseconds();
}

bool Game::continueAfterRemoval(std::int32_t removed, bool afterBomb) {
    const std::int32_t bombKind = bombKindAfter(removed);
    if (settings_.bombsEnabled && bombKind >= 0) {
        turnIntoBomb(bombKind);  // the next colours wait until after the bomb
    } else {
        spawnNextPiece();
    }

    if (state_.riseCountdown != -1 && !afterBomb) {
        if (!applyRiseRule(removed)) return false;
    }
    redraw();

    if (removed == 0 || state_.blocksToClear > 0) return true;
    if (state_.level >= kLevelCount) {
        gameWon();
        return true;
    }
    play(LevelFinished);
    advanceLevel();
    redraw();
    state_.clockRunning = 0;
    levelAnimation();
    return true;
}

std::int32_t Game::removeRuns(bool afterRise) {
    std::int32_t sum = 0;
    std::int32_t chainLength = 0;
    for (;;) {
        const std::int32_t removed = findAndRemoveRuns();
        if (removed == 0) break;
        settle();
        redraw();
        sum += removed;
        ++chainLength;
    }

    GameStats& stats = state_.stats;
    if (!afterRise) {
        const std::int32_t drop = stats.gameSeconds - state_.pieceSpawnSecond;
        const auto unsignedDrop = static_cast<std::uint32_t>(drop);
        if (unsignedDrop > static_cast<std::uint32_t>(stats.maxDropSeconds)) stats.maxDropSeconds = drop;
        if (unsignedDrop < static_cast<std::uint32_t>(stats.minDropSeconds)) stats.minDropSeconds = drop;
        stats.sumDropSeconds += drop;
    }

    addCapped(state_.blocksRemoved, sum);
    addCapped(state_.score, chainPoints(chainLength));
    addCapped(state_.score, removedBlocksPoints(sum));
    state_.blocksToClear = state_.blocksToClear > sum ? state_.blocksToClear - sum : 0;

    if (state_.timeLeft != -1 && !afterRise) {
        state_.timeLeft += chainSeconds(chainLength) + removedBlocksSeconds(sum);
        if (state_.timeLeft > kMaxTimeLeft) state_.timeLeft = kMaxTimeLeft;
    }
    return sum;
}

}  // namespace tintfall
