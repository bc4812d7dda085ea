#include "engine/Game.h"
#include "engine/Scoring.h"

namespace tintfall {

namespace {

constexpr int kHardDropSteps = 15;  // enough from row 2 at the lowest

}  // namespace

void Game::putPieceAtSpawn() {
    FallingPiece& piece = state_.piece;
    const bool knownKind = piece.kind >= ThreeBlocks && piece.kind <= LargeBomb;
    const std::size_t kind = knownKind ? static_cast<std::size_t>(piece.kind) : 0;
    piece.column = piece.prevColumn = spawnColumn[kind];
    piece.row = piece.prevRow = spawnRow[kind];
}

void Game::spawnNextPiece() {
    if (!state_.gameRunning) {
        seedRandom();
        for (std::int32_t& colour : state_.nextColours) colour = randomColour();
    }
    state_.piece.colours = state_.nextColours;
    state_.pieceSpawnSecond = state_.stats.gameSeconds;
    for (std::int32_t& colour : state_.nextColours) colour = randomColour();
    putPieceAtSpawn();
    state_.lastFallTime = state_.lastTickTime = clock_.milliseconds();
}

bool Game::tryMove(int dx, int dy) {
    FallingPiece& piece = state_.piece;
    const int row = piece.row + dy;
    const int column = piece.column + dx;
    if (!onBoard(column, row) || state_.board.cell(column, row) != EmptyCell) return false;
    // Only the bottom block is tested: every column is a gap-free stack, so
    // the cells above it are free as well.
    piece.prevColumn = piece.column;
    piece.prevRow = piece.row;
    piece.column = column;
    piece.row = row;
    host_.drawPieceMove();
    return true;
}

void Game::rotatePiece() {
    auto& colours = state_.piece.colours;
    if (state_.piece.kind == ThreeBlocks) {
        const std::int32_t top = colours[2];
        colours[2] = colours[1];
        colours[1] = colours[0];
        colours[0] = top;
    } else if (state_.piece.kind == TwoBlocks) {
        std::swap(colours[0], colours[1]);
    } else {
        return;
    }
    host_.drawPieceMove();
}

bool Game::softDrop() {
    if (tryMove(0, 1)) {
        addCapped(state_.score, 10);
        refreshPanel();
        return true;
    }
    if (isBomb(state_.piece.kind)) ++state_.piece.row;  // the bomb's target is the blocked cell below
    return landPiece();
}

bool Game::hardDrop() {
    for (int step = 0; step < kHardDropSteps; ++step) {
        if (tryMove(0, 1)) {
            addCapped(state_.score, 10);
            continue;
        }
        if (isBomb(state_.piece.kind)) ++state_.piece.row;
        if (!landPiece()) return false;
        break;
    }
    refreshPanel();
    return true;
}

bool Game::moveSideways(int dx) {
    if (tryMove(dx, 0)) return true;
    if (!isBomb(state_.piece.kind)) return true;
    // A bomb strikes the cell beside it, which may lie beyond the wall.
    state_.piece.column += dx;
    return landPiece();
}

bool Game::gravityStep() {
    state_.lastFallTime = state_.lastTickTime = clock_.milliseconds();
    if (tryMove(0, 1)) return true;
    if (isBomb(state_.piece.kind)) ++state_.piece.row;
    return landPiece();
}

}  // namespace tintfall
