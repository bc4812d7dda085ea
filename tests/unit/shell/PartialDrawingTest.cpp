#include <gtest/gtest.h>

#include "tests/unit/shell/RenderRig.h"

using namespace tintfall;
using namespace tintfall::test;

namespace {

class PartialDrawingTest : public ::testing::Test {
protected:
    DibView art(AssetRole role) const { return rig.assets.image(role, rig.view.effectiveSize).view(); }
    CanvasCall cell(AssetRole role, int column, int row, int frame) const {
        const WindowLayout& l = rig.view.layout;
        const Point at = cellPosition(l, column, row);
        return blitCall(art(role), frame * l.cellWidth, 0, l.cellWidth, l.cellHeight, at.x, at.y);
    }
    // The window background under a cell (grey field).
    CanvasCall greyCell(int column, int row) const {
        const Point at = cellPosition(rig.view.layout, column, row);
        return blitCall(art(AssetRole::Background), at.x, at.y, rig.view.layout.cellWidth, rig.view.layout.cellHeight,
                        at.x, at.y);
    }

    RenderRig rig;
};

}  // namespace

TEST_F(PartialDrawingTest, CellPositionsInBothSizes) {
    const Point normal = cellPosition(applyLayout(0), 0, 3);
    EXPECT_EQ(normal.x, 153);
    EXPECT_EQ(normal.y, 15);
    const Point bottomRight = cellPosition(applyLayout(0), 5, 14);
    EXPECT_EQ(bottomRight.x, 153 + 5 * 32);
    EXPECT_EQ(bottomRight.y + 30, 375);  // the field's bottom edge
    const Point big = cellPosition(applyLayout(1), 5, 14);
    EXPECT_EQ(big.x + 48, 161 + 288);
    EXPECT_EQ(big.y + 46, 15 + 552);
}

TEST_F(PartialDrawingTest, RefreshPanelDrawsNumbersIntoTheBackBufferAndCopiesEachRectangle) {
    rig.startGame();
    rig.game.timeLeft = 65;
    rig.game.riseCountdown = 4;
    refreshPanel(rig.context());
    const WindowLayout& l = rig.view.layout;
    EXPECT_EQ(rectList(rig.presenter.presented),
              rectList({l.levelRect, l.scoreRect, l.bestScoreRect, l.blocksRemovedRect, l.blocksToClearRect,
                        l.riseCountdownRect, l.timeLeftRect}));
    EXPECT_EQ(rig.back.calls.size(), 3u + 7 + 7 + 5 + 3 + 2 + 5);
    EXPECT_TRUE(rig.window.calls.empty());
    for (const CanvasCall& c : rig.back.calls) EXPECT_EQ(c.image, rig.image(AssetRole::Digits));

    // Hidden displays are neither drawn nor copied.
    rig.presenter.presented.clear();
    rig.game.timeLeft = -1;
    rig.game.riseCountdown = -1;
    refreshPanel(rig.context());
    EXPECT_EQ(rig.presenter.presented.size(), 5u);
}

TEST_F(PartialDrawingTest, RefreshPanelWithoutAGameDoesNothing) {
    refreshPanel(rig.context());
    EXPECT_TRUE(rig.back.calls.empty());
    EXPECT_TRUE(rig.presenter.presented.empty());
}

TEST_F(PartialDrawingTest, DrawPanelPaintsButtonsAndStatusStraightIntoTheWindow) {
    rig.panel.statusLine = 30;
    drawPanel(rig.context());
    EXPECT_TRUE(rig.back.calls.empty());
    EXPECT_TRUE(rig.presenter.presented.empty());
    ASSERT_EQ(rig.window.calls.size(), 22u);
    EXPECT_EQ(rig.window.calls[0].image, rig.image(AssetRole::StartButton));
    EXPECT_EQ(rig.window.calls.back(), blitCall(art(AssetRole::StatusLines), 0, 450, 414, 15, 21, 384));
}

TEST_F(PartialDrawingTest, StatusLineOutsideTheImageIsClamped) {
    rig.panel.statusLine = 99;
    drawPanel(rig.context());
    EXPECT_EQ(rig.window.calls.back().srcY, 450);
}

TEST_F(PartialDrawingTest, PieceMoveRestoresTheCellsLeftAndDrawsTheNewPosition) {
    rig.startGame();
    rig.game.board.setCell(1, 5, 3);
    // The piece moved one column right: from (1, 4) to (2, 4), before it a block at (1, 5).
    rig.game.piece.prevColumn = 1;
    rig.game.piece.prevRow = 4;
    rig.game.piece.column = 2;
    rig.game.piece.row = 4;
    drawPieceMove(rig.context());
    const std::vector<CanvasCall> expected = {
        greyCell(1, 4),
        greyCell(1, 3),
        // Row 2 is hidden: nothing.
        cell(AssetRole::BlockCells, 2, 4, 0),
        cell(AssetRole::BlockCells, 2, 3, 1),
    };
    EXPECT_EQ(rig.window.calls, expected);
    EXPECT_TRUE(rig.back.calls.empty());
    EXPECT_TRUE(rig.presenter.presented.empty());
}

TEST_F(PartialDrawingTest, PieceMoveDownRepaintsOnlyTheCellItUncovered) {
    rig.startGame();
    rig.game.piece.prevColumn = 2;
    rig.game.piece.prevRow = 7;
    rig.game.piece.column = 2;
    rig.game.piece.row = 8;
    rig.game.piece.colours = {4, 1, 0};
    drawPieceMove(rig.context());
    const std::vector<CanvasCall> expected = {
        greyCell(2, 5),
        cell(AssetRole::BlockCells, 2, 8, 4),
        cell(AssetRole::BlockCells, 2, 7, 1),
        cell(AssetRole::BlockCells, 2, 6, 0),
    };
    EXPECT_EQ(rig.window.calls, expected);
}

TEST_F(PartialDrawingTest, PieceMoveShowsBoardBlocksWhereThePieceWas) {
    rig.startGame();
    rig.settings.fieldBackground = UserColour;
    rig.settings.userColour = 0x00102030;
    rig.game.piece.kind = OneBlock;
    rig.game.piece.prevColumn = 3;
    rig.game.piece.prevRow = 9;
    rig.game.piece.column = 4;
    rig.game.piece.row = 9;
    rig.game.board.setCell(3, 9, 5);  // the landing wrote it there
    drawPieceMove(rig.context());
    ASSERT_EQ(rig.window.calls.size(), 2u);
    EXPECT_EQ(rig.window.calls[0], cell(AssetRole::BlockCells, 3, 9, 5));
    EXPECT_EQ(rig.window.calls[1], cell(AssetRole::BlockCells, 4, 9, 0));

    rig.window.calls.clear();
    rig.game.board.setCell(3, 9, EmptyCell);
    drawPieceMove(rig.context());
    const Point at = cellPosition(rig.view.layout, 3, 9);
    EXPECT_EQ(rig.window.calls[0], fillCall(at.x, at.y, 32, 30, 0x00102030));
}

TEST_F(PartialDrawingTest, ShowFieldComposesTheVisibleFieldAndCopiesTheFieldRectangle) {
    rig.startGame();
    rig.settings.fieldBackground = FantasyField;
    rig.game.board.setCell(0, 14, 2);
    rig.game.board.setCell(0, 1, 2);  // hidden rows are not part of the field
    showField(rig.context());
    ASSERT_EQ(rig.back.calls.size(), 72u);
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_EQ(rectList(rig.presenter.presented), rectList({rig.view.layout.fieldRect}));
    // Row 3 column 0 first, then across and down; the fantasy picture at the
    // cell's offset inside the field.
    EXPECT_EQ(rig.back.calls[0], blitCall(art(AssetRole::FantasyField), 0, 0, 32, 30, 153, 15));
    EXPECT_EQ(rig.back.calls[1], blitCall(art(AssetRole::FantasyField), 32, 0, 32, 30, 185, 15));
    EXPECT_EQ(rig.back.calls[66], cell(AssetRole::BlockCells, 0, 14, 2));
    EXPECT_EQ(rig.back.calls[71], blitCall(art(AssetRole::FantasyField), 160, 330, 32, 30, 313, 345));
}

TEST_F(PartialDrawingTest, FieldBackgroundOfEveryKindForOneCell) {
    rig.startGame();
    const Point at = cellPosition(rig.view.layout, 4, 6);  // (281, 105)
    const int dx = at.x - 153;
    const int dy = at.y - 15;
    struct Case {
        std::int32_t background;
        CanvasCall expected;
    };
    const Case cases[] = {
        {GreyField, blitCall(art(AssetRole::Background), at.x, at.y, 32, 30, at.x, at.y)},
        {UserColour, fillCall(at.x, at.y, 32, 30, 0x00ABCDEF)},
        {ColourField, blitCall(art(AssetRole::ColourField), dx, dy, 32, 30, at.x, at.y)},
        {ThreeDField, blitCall(art(AssetRole::ThreeDField), dx, dy, 32, 30, at.x, at.y)},
        {FantasyField, blitCall(art(AssetRole::FantasyField), dx, dy, 32, 30, at.x, at.y)},
    };
    rig.settings.userColour = 0x00ABCDEF;
    for (const Case& c : cases) {
        rig.settings.fieldBackground = c.background;
        rig.window.calls.clear();
        drawFieldBackgroundCell(rig.context(), 4, 6);
        EXPECT_EQ(rig.window.calls, std::vector<CanvasCall>{c.expected}) << c.background;
    }
}

TEST_F(PartialDrawingTest, AnimationCellsGoStraightToTheWindowInTheEffectiveSize) {
    rig.setSize(1);
    rig.startGame();
    const RenderContext c = rig.context();
    drawCellInWindow(c, 1, 10, CellImage::Removal, 6 * 4 + 3);
    drawCellInWindow(c, 1, 11, CellImage::Explosion, 2);
    drawCellInWindow(c, 1, 12, CellImage::Blocks, 5);
    drawCellInWindow(c, 1, 2, CellImage::Blocks, 5);  // hidden row
    drawCoverCell(c, 0, 3);
    const std::vector<CanvasCall> expected = {
        cell(AssetRole::RemovalAnimation, 1, 10, 27),
        cell(AssetRole::Explosion, 1, 11, 2),
        cell(AssetRole::BlockCells, 1, 12, 5),
        blitCall(art(AssetRole::Cover), 0, 0, 48, 46, 161, 15),
    };
    EXPECT_EQ(rig.window.calls, expected);
    EXPECT_TRUE(rig.back.calls.empty());
}

TEST_F(PartialDrawingTest, DamagedCellValuesDrawNothing) {
    rig.startGame();
    rig.game.board.setCell(2, 10, 57);
    rig.game.nextColours = {-1, 3, 300};
    redraw(rig.context());
    for (const CanvasCall& c : rig.back.calls) {
        if (c.image != rig.image(AssetRole::BlockCells, 0)) continue;
        EXPECT_GE(c.srcX, 0);
        EXPECT_LE(c.srcX, 8 * 32);
    }
    int nextCells = 0;
    for (const CanvasCall& c : rig.back.calls)
        if (c.image == rig.image(AssetRole::BlockCells, 0) && c.dstX == 375) ++nextCells;
    EXPECT_EQ(nextCells, 1);
}

TEST_F(PartialDrawingTest, BombPushedBesideTheWallIsNotDrawnOutsideTheField) {
    rig.startGame();
    rig.game.piece.kind = SmallBomb;
    rig.game.piece.colours = {6, 0, 0};
    rig.game.piece.prevColumn = 0;
    rig.game.piece.prevRow = 9;
    rig.game.piece.column = -1;
    rig.game.piece.row = 9;
    drawPieceMove(rig.context());
    EXPECT_EQ(rig.window.calls, std::vector<CanvasCall>{greyCell(0, 9)});
    redraw(rig.context());
    for (const CanvasCall& c : rig.back.calls) {
        if (c.image != rig.image(AssetRole::BlockCells)) continue;
        EXPECT_GE(c.dstX, rig.view.layout.fieldRect.x);
    }
}

TEST_F(PartialDrawingTest, CodesOutOfRangeLightTheSelectorsOfWhatIsPlayed) {
    rig.settings.gameMode = 5;
    rig.settings.colourCount = 7;
    rig.settings.blockCountCode = -3;
    drawPanel(rig.context());
    ASSERT_GE(rig.window.calls.size(), 21u);
    // Selectors from call 12 on: Classic..Rising, Easy..Hard, one..three blocks.
    for (std::size_t call = 12; call <= 20; ++call) {
        const bool lit = call == 12 || call == 16 || call == 20;  // Classic, Normal, three blocks
        EXPECT_EQ(rig.window.calls[call].srcX, lit ? 3 * 46 : 0) << call;
    }
}

TEST_F(PartialDrawingTest, ButtonStateOutsideItsRangeShowsTheNormalFrames) {
    rig.panel.buttonState[PanelButton::StartStop] = 7;
    rig.panel.buttonState[PanelButton::Classic] = -3;
    drawPanel(rig.context());
    ASSERT_GE(rig.window.calls.size(), 13u);
    EXPECT_EQ(rig.window.calls[0].srcX, 2 * 79);       // clamped to pressed
    EXPECT_EQ(rig.window.calls[12].image, rig.image(AssetRole::ClassicSelector));
    EXPECT_EQ(rig.window.calls[12].srcX, 3 * 46);      // clamped to 0, selected
}
