#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

class Pieces : public EngineTest {};

TEST_F(Pieces, MovesStopAtTheWallsAndAtBlocks) {
    playing();
    EXPECT_TRUE(game.tryMove(-1, 0));
    EXPECT_TRUE(game.tryMove(-1, 0));
    EXPECT_FALSE(game.tryMove(-1, 0));
    EXPECT_EQ(state.piece.column, 0);
    EXPECT_EQ(state.piece.prevColumn, 1);
    for (int step = 0; step < 5; ++step) game.tryMove(1, 0);
    EXPECT_EQ(state.piece.column, 5);
    EXPECT_FALSE(game.tryMove(1, 0));
    stack(4, {1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2});  // up to row 3
    state.piece.row = 3;
    EXPECT_FALSE(game.tryMove(-1, 0));
    EXPECT_EQ(state.piece.column, 5);
    state.piece.row = 2;
    EXPECT_TRUE(game.tryMove(-1, 0));  // only the bottom block is tested
}

TEST_F(Pieces, DownStopsAtTheFloorAndOnAStack) {
    playing();
    state.piece.row = 13;
    EXPECT_TRUE(game.tryMove(0, 1));
    EXPECT_FALSE(game.tryMove(0, 1));
    EXPECT_EQ(state.piece.row, 14);
    stack(3, {1});
    state.piece.column = 3;
    state.piece.row = 12;
    EXPECT_TRUE(game.tryMove(0, 1));
    EXPECT_FALSE(game.tryMove(0, 1));
    EXPECT_EQ(state.piece.row, 13);
}

TEST_F(Pieces, EveryMoveRedrawsThePieceOnlyWhenItMoved) {
    playing();
    game.tryMove(-1, 0);
    game.tryMove(-1, 0);
    game.tryMove(-1, 0);
    EXPECT_EQ(host.pieceMoves, 2);
}

TEST_F(Pieces, RotationCyclesColoursByPieceSize) {
    playing(ThreeBlocks, {0, 1, 2});
    game.rotatePiece();
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{2, 0, 1}));
    game.rotatePiece();
    game.rotatePiece();
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{0, 1, 2}));
    playing(TwoBlocks, {3, 4, 5});
    game.rotatePiece();
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{4, 3, 5}));
    const int movesBefore = host.pieceMoves;
    playing(OneBlock, {3, 4, 5});
    game.rotatePiece();
    playing(LargeBomb, {8, 4, 5});
    game.rotatePiece();
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{8, 4, 5}));
    EXPECT_EQ(host.pieceMoves, movesBefore);
}

TEST_F(Pieces, SoftDropScoresTenPerRowAndNothingWhenItLands) {
    playing();
    EXPECT_TRUE(game.softDrop());
    EXPECT_EQ(state.score, 10);
    EXPECT_EQ(host.panelRefreshes, 1);
    state.piece.row = 14;
    EXPECT_TRUE(game.softDrop());
    EXPECT_EQ(state.score, 10);
    EXPECT_EQ(state.stats.piecesCount, 1);
    EXPECT_EQ(state.board.cell(2, 14), 0);
}

TEST_F(Pieces, PassingTheBestScorePlaysItsSoundOncePerGame) {
    playing();
    state.bestScoreToBeat = 10;
    state.bestSoundPending = 1;
    EXPECT_TRUE(game.softDrop());  // 10 is not above 10
    EXPECT_EQ(host.soundCount(BestScore), 0);
    EXPECT_TRUE(game.softDrop());
    ASSERT_EQ(host.soundCount(BestScore), 1);
    // Just before the refresh that first shows the new best.
    EXPECT_EQ(host.log[host.log.size() - 2], "sound 11/15");
    EXPECT_EQ(host.log.back(), "refreshPanel");
    EXPECT_TRUE(game.softDrop());
    EXPECT_EQ(host.soundCount(BestScore), 1);
    // Without a game nothing is shown, so nothing sounds.
    state.gameRunning = 0;
    state.bestSoundPending = 1;
    game.togglePause();
    EXPECT_EQ(host.soundCount(BestScore), 1);
}

TEST_F(Pieces, HardDropFromTheTopOfAnEmptyFieldScoresTwelveRows) {
    playing(ThreeBlocks, {0, 1, 2});
    EXPECT_TRUE(game.hardDrop());
    EXPECT_EQ(state.score, 120);
    EXPECT_EQ(columnText(2), "............210");
    EXPECT_EQ(state.stats.piecesCount, 1);
    EXPECT_EQ(state.piece.row, 2);  // the next piece at the spawn position
}

TEST_F(Pieces, DropsStopScoringAtTheCap) {
    playing();
    state.score = 2000000000;
    game.hardDrop();
    EXPECT_EQ(state.score, 2000000000);
}

TEST_F(Pieces, SpawnTakesTheNextColoursAndDrawsThreeNew) {
    playing();
    state.random.seed(1);
    state.nextColours = {4, 3, 2};
    state.stats.gameSeconds = 17;
    clock.setMilliseconds(5000);
    state.piece.column = 0;
    state.piece.row = 9;
    game.spawnNextPiece();
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{4, 3, 2}));
    // 41, 18467, 6334 modulo 5.
    EXPECT_EQ(state.nextColours, (std::array<std::int32_t, 3>{1, 2, 4}));
    EXPECT_EQ(state.pieceSpawnSecond, 17);
    EXPECT_EQ(state.piece.column, 2);
    EXPECT_EQ(state.piece.row, 2);
    EXPECT_EQ(state.piece.prevRow, 2);
    EXPECT_EQ(state.lastFallTime, 5000u);
    EXPECT_EQ(state.lastTickTime, 5000u);
}

TEST_F(Pieces, TheFirstPieceOfAGameSeedsFromTheCalendarTime) {
    state.gameRunning = 0;
    clock.setCalendarSeconds(1);
    game.spawnNextPiece();
    // Seeded with 1: 41, 18467, 6334 for the piece, then 26500, 19169, 15724.
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{41 % 5, 18467 % 5, 6334 % 5}));
    EXPECT_EQ(state.nextColours, (std::array<std::int32_t, 3>{26500 % 5, 19169 % 5, 15724 % 5}));
}

TEST_F(Pieces, ColoursStayBelowTheColourCount) {
    settings.colourCount = Easy;
    playing();
    for (int i = 0; i < 200; ++i) {
        game.spawnNextPiece();
        for (std::int32_t colour : state.nextColours) ASSERT_LT(colour, 4);
    }
}

TEST_F(Pieces, AColourCountOutsideTheDifficultiesFallsBackToNormal) {
    settings.colourCount = 0;  // would divide by zero
    playing();
    state.random.seed(1);
    game.spawnNextPiece();
    EXPECT_EQ(state.nextColours, (std::array<std::int32_t, 3>{41 % 5, 18467 % 5, 6334 % 5}));
}

TEST_F(Pieces, GravityMovesDownWithoutScoringAndLandsWhenBlocked) {
    playing();
    clock.setMilliseconds(3000);
    EXPECT_TRUE(game.gravityStep());
    EXPECT_EQ(state.piece.row, 3);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.lastFallTime, 3000u);
    state.piece.row = 14;
    EXPECT_TRUE(game.gravityStep());
    EXPECT_EQ(state.stats.piecesCount, 1);
}

TEST_F(Pieces, ANormalPieceBlockedSidewaysStaysPut) {
    playing();
    state.piece.column = 0;
    EXPECT_TRUE(game.moveSideways(-1));
    EXPECT_EQ(state.piece.column, 0);
    EXPECT_EQ(state.stats.piecesCount, 0);
}

}  // namespace
}  // namespace tintfall::test
