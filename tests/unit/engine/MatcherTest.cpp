#include "engine/Matcher.h"
#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

class Matcher : public EngineTest {
protected:
    std::int32_t marked() {
        MarkGrid removeMark;
        return markRuns(state.board, removeMark);
    }
};

TEST_F(Matcher, ThreeInEachOfTheFourDirectionsAreFoundButTwoAreNot) {
    board({"0.....", "0.....", "0....."});
    EXPECT_EQ(marked(), 3);
    board({"0.....", "0....."});
    EXPECT_EQ(marked(), 0);
    board({".111.."});
    EXPECT_EQ(marked(), 3);
    board({".11.1."});
    EXPECT_EQ(marked(), 0);
    board({"2.....", "32....", "332..."});  // down-right diagonal
    EXPECT_EQ(marked(), 3);
    board({"..3...", ".34...", "345..."});  // up-right diagonal
    EXPECT_EQ(marked(), 3);
    board({"..4...", ".45...", "255..."});  // only two on the anti-diagonal
    EXPECT_EQ(marked(), 0);
}

TEST_F(Matcher, RunsReachTheBoardEdges) {
    board({"555555"});
    EXPECT_EQ(marked(), 6);
    state.board.resetBoard();
    for (int row = 0; row < kRows; ++row) state.board.setCell(5, row, 2);
    EXPECT_EQ(marked(), 15);
}

TEST_F(Matcher, PlusShapeCountsItsSharedCentreOnce) {
    board({".1....", "111...", ".1...."});
    EXPECT_EQ(marked(), 5);
}

TEST_F(Matcher, AllRunsOfTheBoardAreMarkedTogether) {
    board({"0...4.", "0...4.", "0...4.", "222..."});
    MarkGrid removeMark;
    EXPECT_EQ(markRuns(state.board, removeMark), 9);
    EXPECT_EQ(removeMark[0 * kRows + 11], kRemoveCell);
    EXPECT_EQ(removeMark[4 * kRows + 13], kRemoveCell);
    EXPECT_EQ(removeMark[2 * kRows + 14], kRemoveCell);
    EXPECT_EQ(removeMark[3 * kRows + 14], kUnmarked);
}

// Independent check: a cell is removed when, along some direction, the
// equal colours through it reach three or more.
bool inRunOfThree(const GameBoard& board, int column, int row) {
    const std::int32_t colour = board.cell(column, row);
    if (colour == EmptyCell) return false;
    const int directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const auto& d : directions) {
        int length = 1;
        for (int sense : {1, -1}) {
            int c = column + sense * d[0];
            int r = row + sense * d[1];
            while (c >= 0 && c < kColumns && r >= 0 && r < kRows && board.cell(c, r) == colour) {
                ++length;
                c += sense * d[0];
                r += sense * d[1];
            }
        }
        if (length >= 3) return true;
    }
    return false;
}

TEST_F(Matcher, AgreesWithACellByCellCheckOnRandomBoards) {
    RandomGenerator random;
    random.seed(2024);
    for (int round = 0; round < 500; ++round) {
        for (std::int32_t& cell : state.board.cells) {
            const std::int32_t pick = random.next() % 7;
            cell = pick == 6 ? EmptyCell : pick % (3 + round % 4);
        }
        MarkGrid removeMark;
        const std::int32_t marked = markRuns(state.board, removeMark);
        std::int32_t expected = 0;
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                const bool remove = inRunOfThree(state.board, column, row);
                expected += remove ? 1 : 0;
                ASSERT_EQ(removeMark[column * kRows + row] == kRemoveCell, remove)
                    << "round " << round << " cell " << column << "," << row;
            }
        }
        ASSERT_EQ(marked, expected);
    }
}

TEST_F(Matcher, RemovalPlaysTheSoundAnimatesFiveFramesAndEmptiesTheCells) {
    settings.demolitionDelay = 50;
    board({"0.....", "0.....", "0...3."});
    EXPECT_EQ(game.findAndRemoveRuns(), 3);
    EXPECT_EQ(host.soundCount(BlockRemoved), 1);
    EXPECT_EQ(host.sounds.front().second, 6);
    ASSERT_EQ(host.cells.size(), 15u);
    // Frame k of colour f is 6k + f.
    EXPECT_EQ(host.cells[0].frame, 0);
    EXPECT_EQ(host.cells[14].frame, 24);
    EXPECT_EQ(host.cells[14].image, CellImage::Removal);
    EXPECT_EQ(clock.totalSlept(), 250u);
    EXPECT_EQ(occupiedCells(), 1);
    EXPECT_EQ(state.board.cell(4, 14), 3);
}

TEST_F(Matcher, NothingToRemoveIsSilent) {
    board({"01....", "10...."});
    EXPECT_EQ(game.findAndRemoveRuns(), 0);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(occupiedCells(), 4);
}

TEST_F(Matcher, OutOfRangeDemolitionDelayIsKeptWithinASecond) {
    settings.demolitionDelay = -5;
    board({"000..."});
    game.findAndRemoveRuns();
    EXPECT_EQ(clock.totalSlept(), 0u);
    settings.demolitionDelay = 5000;
    board({"000..."});
    game.findAndRemoveRuns();
    EXPECT_EQ(clock.totalSlept(), 5000u);
}

}  // namespace
}  // namespace tintfall::test
