#include "engine/Settle.h"
#include "tests/unit/engine/EngineFixture.h"
#include "tests/unit/engine/ResultTable.h"

namespace tintfall::test {
namespace {

class Settling : public EngineTest {};

TEST_F(Settling, ARunMovesOneRowPerPass) {
    state.board.setCell(0, 10, 1);
    state.board.setCell(0, 11, 2);
    const auto pass = [this] { return played("the pass", [this] { return settleOnePass(state.board); }); };
    SettlePass done = pass();
    EXPECT_TRUE(done.moved) << boards;
    EXPECT_EQ(done.blocksAtRest, 0) << boards;
    EXPECT_EQ(columnText(0), "...........12..") << boards;
    done = pass();
    EXPECT_EQ(done.blocksAtRest, 0) << boards;
    done = pass();
    EXPECT_EQ(done.blocksAtRest, 2) << boards;
    EXPECT_EQ(columnText(0), ".............12") << boards;
    EXPECT_FALSE(pass().moved) << boards;
}

TEST_F(Settling, BlocksComingToRestOnAStackCount) {
    board({"1.....", "......", "2....."});
    EXPECT_EQ(played("the pass", [this] { return settleOnePass(state.board); }).blocksAtRest, 1) << boards;
    EXPECT_EQ(columnText(0), ".............12") << boards;
}

TEST_F(Settling, HiddenRowsNeverFall) {
    state.board.setCell(3, 2, 4);
    EXPECT_FALSE(played("the pass", [this] { return settleOnePass(state.board); }).moved) << boards;
    EXPECT_EQ(state.board.cell(3, 2), 4) << boards;
}

TEST_F(Settling, SoundSlotFollowsTheBlocksThatCameToRest) {
    expectResults(blockDownSlot, {{0, -1}, {1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {30, 5}});
}

TEST_F(Settling, EachPassCopiesTheFieldWaitsAndSoundsByBlocksAtRest) {
    // Column 0: three blocks fall one row onto a block. Column 1: four
    // blocks fall two rows to the floor.
    board({".4....", "15....", "24....", "15....", "......", "3....."});
    played("settling", [this] { game.settle(); });
    EXPECT_EQ(columnText(0), "...........1213") << boards;
    EXPECT_EQ(columnText(1), "...........4545") << boards;
    EXPECT_EQ(host.fieldCopies, 2);
    EXPECT_EQ(clock.totalSlept(), 400u);
    ASSERT_EQ(host.sounds.size(), 2u);
    EXPECT_EQ(host.sounds[0], std::make_pair(BlockDown, 2));
    EXPECT_EQ(host.sounds[1], std::make_pair(BlockDown, 3));
}

TEST_F(Settling, ManyBlocksRestingTogetherUseTheLastSlot) {
    board({"111111", "......"});
    played("settling", [this] { game.settle(); });
    ASSERT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(host.sounds[0], std::make_pair(BlockDown, 5));
    EXPECT_EQ(host.fieldCopies, 1);
}

TEST_F(Settling, ColumnsEndAsGapFreeStacks) {
    board({"1.2.3.", "......", "2.3...", "......", "3...4.", "...5.."});
    played("settling", [this] { game.settle(); });
    for (int column = 0; column < kColumns; ++column) {
        bool seenBlock = false;
        for (int row = kFirstVisibleRow; row < kRows; ++row) {
            if (state.board.cell(column, row) != EmptyCell) seenBlock = true;
            else EXPECT_FALSE(seenBlock) << "gap in column " << column << " row " << row << "\n" << boards;
        }
    }
    EXPECT_EQ(columnText(0), "............123") << boards;
}

}  // namespace
}  // namespace tintfall::test
