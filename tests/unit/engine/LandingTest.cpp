#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

class Landing : public EngineTest {
protected:
    // Three zeros removed in column 2 let a 1 fall into row 14, which then
    // completes a row of four ones: 3 then 4 blocks in two waves.
    void cascadeOfThreeThenFour() {
        playing(ThreeBlocks, {0, 0, 1});
        board({"1101.."});
        state.piece.row = 13;
    }
};

TEST_F(Landing, WritesThePieceBottomBlockFirstAndPlaysTheDropSound) {
    playing(ThreeBlocks, {0, 1, 2});
    state.piece.column = 4;
    state.piece.row = 14;
    EXPECT_TRUE(land());
    EXPECT_EQ(columnText(4), "............210") << boards;
    EXPECT_EQ(host.sounds.front(), std::make_pair(BlockDown, 2));
    EXPECT_EQ(state.stats.piecesCount, 1);
    EXPECT_EQ(state.piece.column, 2);
    EXPECT_EQ(state.piece.row, 2);
}

TEST_F(Landing, ABlockInTheHiddenRowsEndsTheGameBeforeAnyMatching) {
    playing(ThreeBlocks, {0, 0, 0});
    stack(2, {1, 2, 3, 4, 1, 2, 3, 4, 1, 2});  // top at row 5
    state.piece.row = 4;                        // blocks at rows 4, 3 and 2
    EXPECT_FALSE(land());
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(state.board.cell(2, 2), 0) << boards;  // the run of three zeros stays
    EXPECT_EQ(host.soundCount(BlockRemoved), 0) << boards;
    EXPECT_EQ(host.soundCount(GameOver), 1);
}

TEST_F(Landing, APieceWhoseTopBlockStopsInRowThreeDoesNotEndTheGame) {
    playing(ThreeBlocks, {0, 1, 0});
    stack(2, {1, 2, 3, 4, 1, 2, 3, 4, 1});  // top at row 6
    state.piece.row = 5;
    EXPECT_TRUE(land());
    EXPECT_EQ(state.gameRunning, 1);
}

TEST_F(Landing, CascadeScoresItsLengthAndItsBlocks) {
    cascadeOfThreeThenFour();
    EXPECT_TRUE(land());
    EXPECT_EQ(state.score, 150 + 900) << boards;
    EXPECT_EQ(state.blocksRemoved, 7) << boards;
    EXPECT_EQ(state.blocksToClear, 33) << boards;
    EXPECT_EQ(occupiedCells(), 0) << boards;
    EXPECT_EQ(host.soundCount(BlockRemoved), 2) << boards;
}

TEST_F(Landing, TimerModeCascadeAddsSecondsForLengthAndBlocks) {
    cascadeOfThreeThenFour();
    state.timeLeft = 100;
    land();
    EXPECT_EQ(state.timeLeft, 111);
}

TEST_F(Landing, TimeLeftNeverExceedsFiftyNineMinutesFiftyNineSeconds) {
    playing(OneBlock, {0, 0, 0});
    state.timeLeft = 3595;
    board({"00.0.."});
    state.piece.row = 14;
    land();
    EXPECT_EQ(state.timeLeft, 3597);
    playing(TwoBlocks, {0, 1, 0});
    state.timeLeft = 3597;
    board({"111.11", "000.00"});
    state.piece.column = 3;
    state.piece.row = 14;
    land();
    EXPECT_EQ(state.blocksRemoved, 4 + 12) << boards;
    EXPECT_EQ(state.timeLeft, 3599);
}

TEST_F(Landing, ScoreAndBlocksRemovedStopAtTheCap) {
    cascadeOfThreeThenFour();
    state.score = 2000000000;
    state.blocksRemoved = 2000000000;
    land();
    EXPECT_EQ(state.score, 2000000000) << boards;
    EXPECT_EQ(state.blocksRemoved, 2000000000) << boards;
}

TEST_F(Landing, BlocksToClearNeverGoesBelowZero) {
    cascadeOfThreeThenFour();
    state.blocksToClear = 5;
    state.level = 3;
    land();
    EXPECT_EQ(state.level, 4);  // finished, then the next quota
    EXPECT_EQ(state.blocksToClear, 55) << boards;
}

TEST_F(Landing, DropStatisticsUseTheSecondsSinceTheSpawn) {
    playing(OneBlock);
    state.stats.gameSeconds = 12;
    state.pieceSpawnSecond = 7;
    state.piece.row = 14;
    land();
    EXPECT_EQ(state.stats.minDropSeconds, 5);
    EXPECT_EQ(state.stats.maxDropSeconds, 5);
    EXPECT_EQ(state.stats.sumDropSeconds, 5);
    EXPECT_EQ(state.pieceSpawnSecond, 12);
}

class NextPiece : public EngineTest {
protected:
    // A single block completing a row of `length` zeros on the floor.
    void landCompleting(int length) {
        playing(OneBlock, {0, 0, 0});
        state.nextColours = {4, 3, 2};
        std::string row(kColumns, '.');
        for (int column = 0; column < length; ++column) row[column] = '0';
        board({row.c_str()});
        state.board.setCell(0, 14, EmptyCell);
        state.piece.column = 0;
        state.piece.row = 14;
        land();
    }
};

TEST_F(NextPiece, ThreeBlocksRemovedGiveANormalPiece) {
    landCompleting(3);
    EXPECT_EQ(state.piece.kind, OneBlock);
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{4, 3, 2}));
}

TEST_F(NextPiece, FourOrFiveGiveASmallBombAndTheNextColoursWait) {
    clock.setMilliseconds(777);
    landCompleting(4);
    EXPECT_EQ(state.piece.kind, SmallBomb);
    EXPECT_EQ(state.piece.colours[0], 6);
    EXPECT_EQ(state.nextColours, (std::array<std::int32_t, 3>{4, 3, 2}));
    EXPECT_EQ(state.piece.row, 2);
    EXPECT_EQ(state.lastFallTime, 777u);
    landCompleting(5);
    EXPECT_EQ(state.piece.kind, SmallBomb);
}

TEST_F(NextPiece, SixGivesAMediumBombAndTwelveALargeOne) {
    landCompleting(6);
    EXPECT_EQ(state.piece.kind, MediumBomb);
    EXPECT_EQ(state.piece.colours[0], 7);
    playing(TwoBlocks, {0, 1, 0});
    board({"111.11", "000.00"});
    state.piece.column = 3;
    state.piece.row = 14;
    land();
    EXPECT_EQ(state.piece.kind, LargeBomb);
    EXPECT_EQ(state.piece.colours[0], 8);
}

TEST_F(NextPiece, NoBombsWhenTheyAreSwitchedOff) {
    settings.bombsEnabled = 0;
    landCompleting(6);
    EXPECT_EQ(state.piece.kind, OneBlock);
}

TEST_F(NextPiece, ABombKeepsTheDropTimeOfThePieceBefore) {
    state.stats.gameSeconds = 30;
    state.pieceSpawnSecond = 25;
    landCompleting(4);
    EXPECT_EQ(state.pieceSpawnSecond, 25);
}

class LevelEnd : public EngineTest {};

TEST_F(LevelEnd, UsingUpTheQuotaEntersTheNextLevelWithItsAnimation) {
    playing(OneBlock, {0, 0, 0});
    state.blocksToClear = 3;
    board({".00..."});
    state.piece.column = 0;
    state.piece.row = 14;
    EXPECT_TRUE(land());
    EXPECT_EQ(state.level, 2);
    EXPECT_EQ(state.fallInterval, 850);
    EXPECT_EQ(state.blocksToClear, 45) << boards;
    EXPECT_EQ(state.clockRunning, 0);
    EXPECT_EQ(host.soundCount(LevelFinished), 1);
    EXPECT_EQ(host.backgroundCells.size(), 72u);  // the animation restored the empty field
    EXPECT_EQ(state.gameRunning, 1);
}

TEST_F(LevelEnd, ALandingThatRemovesNothingNeverEndsALevel) {
    playing(OneBlock);
    state.blocksToClear = 0;
    state.piece.row = 14;
    land();
    EXPECT_EQ(state.level, 1);
    EXPECT_EQ(host.soundCount(LevelFinished), 0);
}

TEST_F(LevelEnd, FinishingLevelTwentyWinsInsteadOfAdvancing) {
    playing(OneBlock, {0, 0, 0});
    state.level = 20;
    state.blocksToClear = 2;
    board({".00..."});
    state.piece.column = 0;
    state.piece.row = 14;
    EXPECT_TRUE(land());
    EXPECT_EQ(state.level, 20);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.soundCount(YouWin), 1);
    EXPECT_EQ(host.soundCount(LevelFinished), 0);
    EXPECT_EQ(host.winnerMessages, 1);
}

}  // namespace
}  // namespace tintfall::test
