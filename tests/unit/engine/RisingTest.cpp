#include "engine/RisingMode.h"
#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

class Rising : public EngineTest {
protected:
    void risingGame(std::int32_t countdown = 7) {
        settings.colourCount = Easy;
        playing(OneBlock, {0, 0, 0});
        state.riseCountdown = state.riseCountdownMax = countdown;
    }

    // A single block landing on the floor in column 5 without removing anything.
    void landNothing(std::int32_t colour) {
        state.piece.kind = OneBlock;
        state.piece.colours = {colour, colour, colour};
        state.piece.column = 5;
        state.piece.row = 2;
        game.hardDrop();
    }

    void landAt(std::int32_t kind, std::array<std::int32_t, 3> colours, int column) {
        state.piece.kind = kind;
        state.piece.colours = colours;
        state.piece.column = column;
        state.piece.row = 14;
        game.landPiece();
    }
};

TEST_F(Rising, ARowNeverHoldsThreeEqualColoursSideBySide) {
    RandomGenerator random;
    random.seed(27);  // its first three draws are equal
    EXPECT_EQ(drawRisingRow(random, 4), (RisingRow{2, 2, 0, 3, 1, 1}));
    for (std::int64_t seed = 0; seed < 3000; ++seed) {
        random.seed(seed);
        const RisingRow row = drawRisingRow(random, 4);
        for (int column = 2; column < kColumns; ++column)
            ASSERT_FALSE(row[column] == row[column - 1] && row[column] == row[column - 2]) << seed;
        for (std::int32_t colour : row) ASSERT_LT(colour, 4);
    }
}

TEST_F(Rising, FourLandingsThatRemoveNothingPushARowOnTheFourth) {
    risingGame(7);
    clock.setCalendarSeconds(27);
    clock.setMilliseconds(0);
    landNothing(0);
    EXPECT_EQ(state.riseCountdown, 5);
    landNothing(1);
    EXPECT_EQ(state.riseCountdown, 3);
    landNothing(2);
    EXPECT_EQ(state.riseCountdown, 1);
    EXPECT_EQ(host.soundCount(RowAdded), 0);
    landNothing(3);
    EXPECT_EQ(host.soundCount(RowAdded), 1);
    EXPECT_EQ(state.riseCountdown, 7);
    // The row was drawn after seeding with the calendar time: its own
    // colours in row 14, the landed column lifted by one row.
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(state.board.cell(column, 14), (RisingRow{2, 2, 0, 3, 1, 1})[column]) << column;
    EXPECT_EQ(columnText(5), "..........32101");
    EXPECT_EQ(state.gameRunning, 1);
}

TEST_F(Rising, RemovalsPostponeRowsButNeverPastTheLevelMaximum) {
    risingGame(7);
    state.riseCountdown = 2;
    board({"00...."});
    landAt(OneBlock, {0, 0, 0}, 2);  // 3 removed: -1
    EXPECT_EQ(state.riseCountdown, 1);
    board({"00.00."});
    landAt(OneBlock, {0, 0, 0}, 2);  // 5 removed: +1
    EXPECT_EQ(state.riseCountdown, 2);
    state.riseCountdown = 6;
    board({"000.00", "111.11"});
    landAt(TwoBlocks, {1, 0, 0}, 3);  // 12 removed: +8, held at the maximum
    EXPECT_EQ(state.riseCountdown, 7);
    EXPECT_EQ(host.soundCount(RowAdded), 0);
}

TEST_F(Rising, OnlyARowThatLiftsABlockIntoTheHiddenRowsEndsTheGame) {
    risingGame(1);
    stack(0, {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2});  // top at row 4
    state.piece.column = 3;
    EXPECT_TRUE(game.hardDrop());
    EXPECT_EQ(state.board.cell(0, 3), 2);
    EXPECT_EQ(state.gameRunning, 1);

    risingGame(1);
    stack(0, {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3});  // top at row 3
    state.piece.column = 3;
    EXPECT_FALSE(game.hardDrop());
    EXPECT_EQ(state.board.cell(0, 2), 3);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.soundCount(GameOver), 1);
}

TEST_F(Rising, TheRowShiftLosesRowZeroAndLeavesTheFallingPiece) {
    risingGame(7);
    state.board.setCell(1, 0, 4);
    state.board.setCell(1, 14, 3);
    state.piece.row = 6;
    EXPECT_TRUE(game.pushRisingRow());
    EXPECT_EQ(state.board.cell(1, 0), EmptyCell);
    EXPECT_EQ(state.board.cell(1, 13), 3);
    EXPECT_EQ(state.piece.row, 6);
}

TEST_F(Rising, BlocksRemovedAfterAPushedRowCountForTheLevelButNotForTheClock) {
    risingGame(1);
    state.timeLeft = 50;  // a clock that must not gain from the row's cascade
    state.blocksToClear = 3;
    clock.setCalendarSeconds(27);  // the row 2 2 0 3 1 1
    board({"2.....", "2....."});   // lifted onto the new 2: three in column 0
    state.stats.gameSeconds = 9;
    state.pieceSpawnSecond = 5;
    landNothing(4);
    EXPECT_EQ(host.soundCount(RowAdded), 1);
    EXPECT_EQ(state.blocksRemoved, 3);
    EXPECT_EQ(state.score, 120 + 100);  // the drop's rows, then the three blocks
    EXPECT_EQ(state.level, 2);
    EXPECT_EQ(state.timeLeft, 50 + 15);  // only the new level's seconds
    // Only the landing itself (4 s) is a drop time; the row's cascade is not.
    EXPECT_EQ(state.stats.minDropSeconds, 4);
    EXPECT_EQ(state.stats.sumDropSeconds, 4);
}

}  // namespace
}  // namespace tintfall::test
