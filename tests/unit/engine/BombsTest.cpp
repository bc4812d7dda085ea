#include "engine/Bombs.h"
#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

class Bombs : public EngineTest {
protected:
    void bomb(std::int32_t kind) {
        playing(kind, {kind + 3, 0, 0});
        state.nextColours = {4, 3, 2};
    }
};

TEST_F(Bombs, DepthByKindNeverPastTheFloor) {
    EXPECT_EQ(explosionDepth(SmallBomb, 5), 1);
    EXPECT_EQ(explosionDepth(SmallBomb, 14), 1);
    EXPECT_EQ(explosionDepth(MediumBomb, 5), 2);
    EXPECT_EQ(explosionDepth(MediumBomb, 13), 2);
    EXPECT_EQ(explosionDepth(MediumBomb, 14), 1);
    EXPECT_EQ(explosionDepth(LargeBomb, 5), 3);
    EXPECT_EQ(explosionDepth(LargeBomb, 12), 3);
    EXPECT_EQ(explosionDepth(LargeBomb, 13), 2);
    EXPECT_EQ(explosionDepth(LargeBomb, 14), 1);
}

TEST_F(Bombs, ALargeBombOnAStackOfFiveRemovesItsTopThree) {
    bomb(LargeBomb);
    stack(1, {0, 1, 2, 3, 4});  // top at row 10
    state.piece.column = 1;
    state.piece.row = 9;
    // Blocked: the target is the cell below.
    EXPECT_TRUE(played("the drop", [this] { return game.softDrop(); })) << boards;
    EXPECT_EQ(columnText(1), ".............10") << boards;
    EXPECT_EQ(state.stats.bombsCount, 1);
    EXPECT_EQ(state.stats.piecesCount, 0);
    EXPECT_EQ(host.soundCount(BombExplosion), 1) << boards;
    EXPECT_EQ(state.score, 0) << boards;
    EXPECT_EQ(state.blocksToClear, 40) << boards;
    // Five frames over three cells.
    int explosionCells = 0;
    for (const DrawnCell& cell : host.cells)
        if (cell.image == CellImage::Explosion) ++explosionCells;
    EXPECT_EQ(explosionCells, 15);
    // The next piece is normal again, with the colours that waited.
    EXPECT_EQ(state.piece.kind, ThreeBlocks);
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{4, 3, 2}));
}

TEST_F(Bombs, ALargeBombHittingTheFloorRowRemovesOnlyThatBlock) {
    bomb(LargeBomb);
    stack(3, {5});
    state.piece.column = 3;
    state.piece.row = 13;
    played("the drop", [this] { return game.hardDrop(); });
    EXPECT_EQ(occupiedCells(), 0) << boards;
    EXPECT_EQ(host.soundCount(BombExplosion), 1) << boards;
}

TEST_F(Bombs, AMediumBombClearsTwoRows) {
    bomb(MediumBomb);
    stack(0, {1, 2, 3});
    state.piece.column = 0;
    state.piece.row = 11;
    played("the fall", [this] { return game.gravityStep(); });
    EXPECT_EQ(columnText(0), "..............1") << boards;
}

TEST_F(Bombs, ASidewaysHitTakesBlocksFromTheMiddleAndTheRestSettles) {
    bomb(MediumBomb);
    stack(0, {1, 2, 3, 4, 5});  // rows 14..10
    state.piece.column = 1;
    state.piece.row = 11;
    // Target (0, 11): the 4 and the 3 below it go.
    EXPECT_TRUE(played("the move", [this] { return game.moveSideways(-1); })) << boards;
    EXPECT_EQ(columnText(0), "............521") << boards;
    EXPECT_GT(host.fieldCopies, 0);
}

TEST_F(Bombs, TheCascadeAfterAnExplosionScoresButBringsNoRisingRow) {
    bomb(SmallBomb);
    state.riseCountdown = state.riseCountdownMax = 1;
    board({"..0...", "004..."});
    state.piece.column = 3;
    state.piece.row = 14;
    state.stats.gameSeconds = 4;
    state.pieceSpawnSecond = 1;
    // The 4 goes, the 0 falls beside the others.
    EXPECT_TRUE(played("the move", [this] { return game.moveSideways(-1); })) << boards;
    EXPECT_EQ(occupiedCells(), 0) << boards;
    EXPECT_EQ(state.score, 100) << boards;
    EXPECT_EQ(state.blocksRemoved, 3) << boards;
    EXPECT_EQ(state.blocksToClear, 37) << boards;
    EXPECT_EQ(state.riseCountdown, 1);
    EXPECT_EQ(host.soundCount(RowAdded), 0);
    EXPECT_EQ(state.stats.maxDropSeconds, 3);  // bombs count in the drop times
    EXPECT_EQ(state.stats.piecesCount, 0);
}

TEST_F(Bombs, VanishAtEitherWallAndBelowTheFloor) {
    bomb(SmallBomb);
    state.piece.column = 0;
    EXPECT_TRUE(game.moveSideways(-1));
    EXPECT_EQ(host.soundCount(BombDisappears), 1);
    EXPECT_EQ(host.sounds.back().second, 14);
    EXPECT_EQ(state.stats.bombsCount, 1);
    EXPECT_EQ(state.piece.kind, ThreeBlocks);
    EXPECT_EQ(state.piece.colours, (std::array<std::int32_t, 3>{4, 3, 2}));
    EXPECT_EQ(state.piece.column, 2);

    bomb(MediumBomb);
    state.piece.column = 5;
    game.moveSideways(1);
    EXPECT_EQ(host.soundCount(BombDisappears), 2);

    bomb(LargeBomb);
    EXPECT_TRUE(game.hardDrop());
    EXPECT_EQ(host.soundCount(BombDisappears), 3);
    EXPECT_EQ(state.stats.bombsCount, 3);
    EXPECT_EQ(occupiedCells(), 0);
    EXPECT_EQ(host.soundCount(BombExplosion), 0);
    EXPECT_EQ(state.stats.sumDropSeconds, 0);  // a vanished bomb has no drop time
}

TEST_F(Bombs, ABombBesideAWallCellThatIsOccupiedExplodesThere) {
    bomb(SmallBomb);
    stack(5, {1, 2});
    state.piece.column = 4;
    state.piece.row = 13;
    played("the move", [this] { return game.moveSideways(1); });
    EXPECT_EQ(columnText(5), "..............1") << boards;
    EXPECT_EQ(host.soundCount(BombDisappears), 0) << boards;
}

}  // namespace
}  // namespace tintfall::test
