#include <set>

#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

using CellSet = std::set<std::pair<int, int>>;

class FieldAnimation : public EngineTest {};

TEST_F(FieldAnimation, CoversEveryVisibleCellOnceInOneColourThenRestoresIt) {
    playing();
    settings.levelAnimationDelay = 3;
    state.clockRunning = 1;
    stack(4, {2, 3});
    state.random.seed(99);
    game.levelAnimation();
    EXPECT_EQ(state.clockRunning, 0);

    ASSERT_EQ(host.cells.size(), 72u + 2u);
    CellSet covered;
    for (std::size_t i = 0; i < 72; ++i) {
        const DrawnCell& cell = host.cells[i];
        EXPECT_GE(cell.row, kFirstVisibleRow);
        EXPECT_EQ(cell.frame, host.cells[0].frame);
        covered.insert({cell.column, cell.row});
    }
    EXPECT_EQ(covered.size(), 72u);
    // The two blocks are restored with their colours, the rest as background.
    EXPECT_EQ(host.cells[72].column, 4);
    EXPECT_EQ(host.cells[73].column, 4);
    EXPECT_EQ(host.cells[72].frame + host.cells[73].frame, 2 + 3);
    EXPECT_EQ(host.backgroundCells.size(), 70u);
    EXPECT_EQ(CellSet(host.backgroundCells.begin(), host.backgroundCells.end()).size(), 70u);
    EXPECT_EQ(clock.totalSlept(), 144u * 3u);
}

TEST_F(FieldAnimation, TheEndingDrawsTheCoverPictureOverEveryCell) {
    playing();
    game.endAnimation();
    EXPECT_EQ(host.cells.size(), 72u);
    EXPECT_EQ(CellSet(host.coverCells.begin(), host.coverCells.end()).size(), 72u);
    EXPECT_EQ(host.coverCells.size(), 72u);
    EXPECT_TRUE(host.backgroundCells.empty());
}

TEST_F(FieldAnimation, FinishesFromAnySeed) {
    playing();
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        state.random.seed(seed * 7919u);
        host.clear();
        game.endAnimation();
        ASSERT_EQ(host.coverCells.size(), 72u) << seed;
    }
}

}  // namespace
}  // namespace tintfall::test
