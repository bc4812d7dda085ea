#include <gtest/gtest.h>

#include <algorithm>

#include "shell/PanelPainter.h"
#include "tests/unit/shell/RenderRig.h"

using namespace tintfall;
using namespace tintfall::test;

namespace {

class RedrawTest : public ::testing::Test {
protected:
    DibView art(AssetRole role, int size = -1) const {
        return rig.assets.image(role, size < 0 ? rig.view.effectiveSize : size).view();
    }
    CanvasCall whole(AssetRole role, const Rect& r) const { return blitCall(art(role), 0, 0, r.width, r.height, r.x, r.y); }
    CanvasCall inPlace(AssetRole role, const Rect& r) const { return blitCall(art(role), r.x, r.y, r.width, r.height, r.x, r.y); }
    CanvasCall button(PanelButton b, AssetRole role, int frame) const {
        const Rect& r = rig.view.layout.panel.buttons[b];
        return blitCall(art(role), frame * r.width, 0, r.width, r.height, r.x, r.y);
    }
    CanvasCall cell(AssetRole role, int column, int row, int frame) const {
        const WindowLayout& l = rig.view.layout;
        const Point at = cellPosition(l, column, row);
        return blitCall(art(role), frame * l.cellWidth, 0, l.cellWidth, l.cellHeight, at.x, at.y);
    }
    // Calls on the back buffer that use one image.
    std::vector<CanvasCall> callsOf(AssetRole role, int size = -1) const {
        std::vector<CanvasCall> found;
        for (const CanvasCall& c : rig.back.calls)
            if (c.kind == CanvasCall::Blit && c.image == rig.image(role, size)) found.push_back(c);
        return found;
    }
    std::size_t indexOf(const CanvasCall& call) const {
        const auto it = std::find(rig.back.calls.begin(), rig.back.calls.end(), call);
        EXPECT_NE(it, rig.back.calls.end());
        return static_cast<std::size_t>(it - rig.back.calls.begin());
    }
    void redrawNow() { redraw(rig.context()); }

    RenderRig rig;
};

}  // namespace

TEST_F(RedrawTest, NoGameDrawsCoverStatusButtonsClockAndNextBarInOrder) {
    rig.panel.statusLine = 4;
    rig.view.clockHour = 14;
    rig.view.clockMinute = 37;
    rig.panel.buttonState[PanelButton::StartStop] = 1;
    rig.panel.buttonState[PanelButton::Load] = 2;
    rig.panel.buttonState[PanelButton::Pause] = 1;  // disabled: its state is not used
    rig.panel.buttonState[PanelButton::Classic] = 1;
    rig.panel.buttonState[PanelButton::Timer] = 2;
    rig.panel.buttonState[PanelButton::Bombs] = 1;
    redrawNow();

    const WindowLayout& l = rig.view.layout;
    const DibView clockArt = art(AssetRole::ClockDigits);
    // The window background around the field (the cover hides all of it).
    std::vector<CanvasCall> expected = {
        inPlace(AssetRole::Background, {0, 0, 483, 15}),
        inPlace(AssetRole::Background, {0, 15, 153, 360}),
        inPlace(AssetRole::Background, {345, 15, 138, 360}),
        inPlace(AssetRole::Background, {0, 375, 483, 32}),
        whole(AssetRole::Cover, l.fieldRect),
        blitCall(art(AssetRole::StatusLines), 0, 60, 414, 15, 21, 384),
        button(PanelButton::StartStop, AssetRole::StartButton, 1),
        button(PanelButton::Pause, AssetRole::PauseDisabled, 0),
        button(PanelButton::Save, AssetRole::SaveDisabled, 0),
        button(PanelButton::Load, AssetRole::LoadButton, 2),
        button(PanelButton::LocalTable, AssetRole::TableButton, 0),
        button(PanelButton::InternetTable, AssetRole::InternetTableButton, 0),
        button(PanelButton::Help, AssetRole::HelpButton, 0),
        button(PanelButton::Exit, AssetRole::ExitButton, 0),
        button(PanelButton::NextBarSwitch, AssetRole::NextBarShown, 0),
        button(PanelButton::StatusBarSwitch, AssetRole::StatusBarShown, 0),
        button(PanelButton::Logo, AssetRole::LogoButton, 0),
        button(PanelButton::Bombs, AssetRole::BombsOn, 1),
        button(PanelButton::Classic, AssetRole::ClassicSelector, 4),  // selected: state + 3
        button(PanelButton::Timer, AssetRole::TimerSelector, 2),
        button(PanelButton::Rising, AssetRole::RisingSelector, 0),
        button(PanelButton::Easy, AssetRole::EasySelector, 0),
        button(PanelButton::Normal, AssetRole::NormalSelector, 3),
        button(PanelButton::Hard, AssetRole::HardSelector, 0),
        button(PanelButton::OneBlock, AssetRole::OneBlockSelector, 0),
        button(PanelButton::TwoBlocks, AssetRole::TwoBlocksSelector, 0),
        button(PanelButton::ThreeBlocks, AssetRole::ThreeBlocksSelector, 3),
        blitCall(clockArt, 5, 0, 5, 9, 442, 387),
        blitCall(clockArt, 20, 0, 5, 9, 449, 387),
        blitCall(clockArt, 50, 0, 5, 9, 454, 387),
        blitCall(clockArt, 15, 0, 5, 9, 459, 387),
        blitCall(clockArt, 35, 0, 5, 9, 466, 387),
        whole(AssetRole::NextBar, l.nextBarRect),
    };
    EXPECT_EQ(rig.back.calls, expected);
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_EQ(rectList(rig.presenter.presented), (std::vector<std::array<int, 4>>{{0, 0, 483, 407}}));
}

TEST_F(RedrawTest, RunningGameShowsNumbersNextPiecePieceAndBoard) {
    rig.startGame();
    rig.game.score = 1234;
    rig.game.bestScoreToBeat = 5000;
    rig.game.blocksRemoved = 56;
    rig.game.board.setCell(0, 14, 4);
    rig.game.board.setCell(5, 3, 2);
    rig.game.board.setCell(1, 2, 1);  // hidden row: never drawn
    redrawNow();

    EXPECT_TRUE(callsOf(AssetRole::Cover).empty());
    // Start becomes Stop; Pause and Save take their enabled images; the
    // selectors show their disabled frames.
    EXPECT_EQ(callsOf(AssetRole::StopButton),
              std::vector<CanvasCall>{button(PanelButton::StartStop, AssetRole::StopButton, 0)});
    EXPECT_EQ(callsOf(AssetRole::PauseButton),
              std::vector<CanvasCall>{button(PanelButton::Pause, AssetRole::PauseButton, 0)});
    EXPECT_EQ(callsOf(AssetRole::SaveButton),
              std::vector<CanvasCall>{button(PanelButton::Save, AssetRole::SaveButton, 0)});
    EXPECT_EQ(callsOf(AssetRole::ClassicSelector),
              std::vector<CanvasCall>{button(PanelButton::Classic, AssetRole::ClassicSelector, 7)});
    EXPECT_EQ(callsOf(AssetRole::TimerSelector),
              std::vector<CanvasCall>{button(PanelButton::Timer, AssetRole::TimerSelector, 6)});
    EXPECT_EQ(callsOf(AssetRole::BombsOnDisabled),
              std::vector<CanvasCall>{button(PanelButton::Bombs, AssetRole::BombsOnDisabled, 0)});

    // Level (3), score (7), best (7), removed (5), to clear (3); no rise
    // countdown or time in Classic mode.
    EXPECT_EQ(callsOf(AssetRole::Digits).size(), 25u);
    const std::vector<CanvasCall> blocks = callsOf(AssetRole::BlockCells);
    const std::vector<CanvasCall> expectedBlocks = {
        // Next piece from the bottom up, then the piece, then the board by rows.
        blitCall(art(AssetRole::BlockCells, 0), 3 * 32, 0, 32, 30, 375, 101),
        blitCall(art(AssetRole::BlockCells, 0), 4 * 32, 0, 32, 30, 375, 71),
        blitCall(art(AssetRole::BlockCells, 0), 5 * 32, 0, 32, 30, 375, 41),
        cell(AssetRole::BlockCells, 2, 5, 0),
        cell(AssetRole::BlockCells, 2, 4, 1),
        cell(AssetRole::BlockCells, 2, 3, 2),
        cell(AssetRole::BlockCells, 5, 3, 2),
        cell(AssetRole::BlockCells, 0, 14, 4),
    };
    EXPECT_EQ(blocks, expectedBlocks);
    EXPECT_LT(indexOf(whole(AssetRole::NextBar, rig.view.layout.nextBarRect)), indexOf(expectedBlocks[0]));
    EXPECT_EQ(rig.back.calls.back(), expectedBlocks.back());
}

TEST_F(RedrawTest, PieceRowsAboveTheFieldAreNeverDrawn) {
    rig.startGame();
    rig.game.piece.row = 3;  // blocks at rows 3, 2, 1
    redrawNow();
    EXPECT_EQ(callsOf(AssetRole::BlockCells).size(), 3u + 1u);  // three next-piece blocks, one piece block
    EXPECT_EQ(callsOf(AssetRole::BlockCells).back(), cell(AssetRole::BlockCells, 2, 3, 0));
}

TEST_F(RedrawTest, BombsUseTheirOwnCellFrames) {
    rig.startGame();
    rig.game.piece.kind = LargeBomb;
    rig.game.piece.colours = {8, 0, 0};
    rig.game.piece.row = 7;
    redrawNow();
    const auto blocks = callsOf(AssetRole::BlockCells);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[3], cell(AssetRole::BlockCells, 2, 7, 8));
}

TEST_F(RedrawTest, PausedAndInactiveGamesCoverTheField) {
    rig.startGame();
    rig.game.board.setCell(0, 14, 4);
    for (int variant = 0; variant < 2; ++variant) {
        rig.game.notPaused = variant == 0 ? 0 : 1;
        rig.game.appActive = variant == 0 ? 1 : 0;
        rig.back.calls.clear();
        redrawNow();
        const auto covers = callsOf(AssetRole::Cover);
        ASSERT_EQ(covers.size(), 1u) << variant;
        EXPECT_EQ(covers[0], whole(AssetRole::Cover, rig.view.layout.fieldRect));
        // Only the next piece: no falling piece, no board.
        EXPECT_EQ(callsOf(AssetRole::BlockCells).size(), 3u) << variant;
        EXPECT_EQ(callsOf(AssetRole::Digits).size(), 25u) << variant;
        EXPECT_EQ(callsOf(AssetRole::NextBar).size(), 1u) << variant;
    }
    rig.game.notPaused = 0;
    rig.game.appActive = 1;
    rig.back.calls.clear();
    redrawNow();
    EXPECT_EQ(callsOf(AssetRole::ResumeButton),
              std::vector<CanvasCall>{button(PanelButton::Pause, AssetRole::ResumeButton, 0)});
}

TEST_F(RedrawTest, EachFieldBackgroundFillsTheFieldOnceAndNotBehindTheCover) {
    const Rect& f = rig.view.layout.fieldRect;
    rig.startGame();
    rig.game.piece.row = 1;  // above the field
    struct Case {
        std::int32_t background;
        CanvasCall field;
    };
    const Case cases[] = {
        {ColourField, whole(AssetRole::ColourField, f)},
        {ThreeDField, whole(AssetRole::ThreeDField, f)},
        {FantasyField, whole(AssetRole::FantasyField, f)},
        {UserColour, fillCall(f.x, f.y, f.width, f.height, 0x00336699)},
        {GreyField, inPlace(AssetRole::Background, f)},
    };
    rig.settings.userColour = 0x00336699;
    for (const Case& c : cases) {
        rig.settings.fieldBackground = c.background;
        rig.game.notPaused = 1;
        rig.back.calls.clear();
        redrawNow();
        EXPECT_EQ(std::count(rig.back.calls.begin(), rig.back.calls.end(), c.field), 1) << c.background;
        rig.game.notPaused = 0;
        rig.back.calls.clear();
        redrawNow();
        EXPECT_EQ(std::count(rig.back.calls.begin(), rig.back.calls.end(), c.field), 0) << c.background;
        EXPECT_EQ(callsOf(AssetRole::Cover), std::vector<CanvasCall>{whole(AssetRole::Cover, f)}) << c.background;
    }
}

// Cells the board or the piece paint are not painted with the field first:
// the field background goes in runs of empty cells, merged down the field.
TEST_F(RedrawTest, FieldBackgroundOnlyWhereTheCellsLeaveItShowing) {
    rig.startGame();  // the piece in column 2, rows 3 to 5
    rig.settings.fieldBackground = ThreeDField;
    for (int column = 0; column < kColumns; ++column)
        if (column != 4) rig.game.board.setCell(column, kFloorRow, column);
    redrawNow();
    const WindowLayout& l = rig.view.layout;
    auto cells = [&l](int column, int row, int columns, int rows) {
        const Point at = cellPosition(l, column, row);
        return Rect{at.x, at.y, columns * l.cellWidth, rows * l.cellHeight};
    };
    auto field = [&](const Rect& r) {
        return blitCall(art(AssetRole::ThreeDField), r.x - l.fieldRect.x, r.y - l.fieldRect.y, r.width, r.height, r.x, r.y);
    };
    const std::vector<CanvasCall> expected = {
        field(cells(0, 3, 2, 3)), field(cells(3, 3, 3, 3)), field(cells(0, 6, 6, 8)), field(cells(4, 14, 1, 1)),
    };
    EXPECT_EQ(callsOf(AssetRole::ThreeDField), expected);
}

TEST_F(RedrawTest, HiddenStatusBarAndNextBar) {
    rig.startGame();
    rig.settings.showStatusBar = 0;
    rig.settings.showNextBar = 0;
    redrawNow();
    EXPECT_EQ(callsOf(AssetRole::StatusOff), std::vector<CanvasCall>{whole(AssetRole::StatusOff, rig.view.layout.statusOffRect)});
    EXPECT_TRUE(callsOf(AssetRole::StatusLines).empty());
    EXPECT_TRUE(callsOf(AssetRole::ClockDigits).empty());
    EXPECT_TRUE(callsOf(AssetRole::NextBar).empty());
    EXPECT_EQ(callsOf(AssetRole::BlockCells).size(), 3u);  // the piece only
    EXPECT_EQ(callsOf(AssetRole::NextBarHidden).size(), 1u);
    EXPECT_EQ(callsOf(AssetRole::StatusBarHidden).size(), 1u);
}

TEST_F(RedrawTest, BigSizeUsesBigPicturesButNormalCellsInTheNextBar) {
    rig.setSize(1);
    rig.startGame();
    rig.settings.blockCountCode = TwoBlocks;
    rig.game.piece.kind = TwoBlocks;
    redrawNow();
    EXPECT_EQ(rig.back.calls[0], blitCall(art(AssetRole::Background, 1), 0, 0, 602, 15, 0, 0));
    const auto normalCells = callsOf(AssetRole::BlockCells, 0);
    const std::vector<CanvasCall> expectedNext = {
        blitCall(art(AssetRole::BlockCells, 0), 3 * 32, 0, 32, 30, 479, 117),
        blitCall(art(AssetRole::BlockCells, 0), 4 * 32, 0, 32, 30, 479, 87),
    };
    EXPECT_EQ(normalCells, expectedNext);
    const auto bigCells = callsOf(AssetRole::BlockCells, 1);
    const std::vector<CanvasCall> expectedPiece = {
        blitCall(art(AssetRole::BlockCells, 1), 0, 0, 48, 46, 161 + 2 * 48, -123 + 5 * 46),
        blitCall(art(AssetRole::BlockCells, 1), 48, 0, 48, 46, 161 + 2 * 48, -123 + 4 * 46),
    };
    EXPECT_EQ(bigCells, expectedPiece);
    EXPECT_EQ(rectList(rig.presenter.presented), (std::vector<std::array<int, 4>>{{0, 0, 602, 602}}));
    EXPECT_EQ(callsOf(AssetRole::StopButton),
              std::vector<CanvasCall>{button(PanelButton::StartStop, AssetRole::StopButton, 0)});
    EXPECT_EQ(callsOf(AssetRole::StopButton)[0].dstX, 71);
}

TEST_F(RedrawTest, OneBlockNextPieceSitsAtTheTopOfTheBar) {
    rig.startGame();
    rig.settings.blockCountCode = OneBlock;
    redrawNow();
    const auto blocks = callsOf(AssetRole::BlockCells);
    ASSERT_GE(blocks.size(), 1u);
    EXPECT_EQ(blocks[0], blitCall(art(AssetRole::BlockCells, 0), 3 * 32, 0, 32, 30, 375, 41));
}

TEST_F(RedrawTest, NothingIsDrawnUntilTheWindowIsReadyAndPaintingEnabled) {
    rig.startGame();
    rig.game.score = 100;
    rig.game.bestScoreToBeat = 10;
    for (int variant = 0; variant < 2; ++variant) {
        rig.view.windowReady = variant == 1;
        rig.view.paintingEnabled = variant == 0;
        const RenderContext c = rig.context();
        redraw(c);
        refreshPanel(c);
        drawPanel(c);
        drawPieceMove(c);
        showField(c);
        drawCellInWindow(c, 2, 5, CellImage::Removal, 3);
        drawFieldBackgroundCell(c, 2, 5);
        drawCoverCell(c, 2, 5);
    }
    EXPECT_TRUE(rig.back.calls.empty());
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_TRUE(rig.presenter.presented.empty());
}

TEST_F(RedrawTest, BestScoreFollowsTheScore) {
    rig.startGame();
    rig.game.bestScoreToBeat = 500;
    rig.game.score = 500;
    const Point at = rig.view.layout.bestScoreDigitsAt;
    const DibView digits = art(AssetRole::Digits);
    auto bestOnes = [&]() {
        for (const CanvasCall& c : rig.back.calls)
            if (c.image == digits.pixels && c.dstX == at.x && c.dstY == at.y) return c.srcX / 15;
        return -1;
    };
    redrawNow();
    EXPECT_EQ(bestOnes(), 0);  // equal is not greater

    rig.game.score = 507;
    rig.back.calls.clear();
    redrawNow();
    EXPECT_EQ(bestOnes(), 7);

    rig.game.score = 512;
    rig.back.calls.clear();
    refreshPanel(rig.context());
    EXPECT_EQ(bestOnes(), 2);
}

TEST_F(RedrawTest, NoNumbersWithoutAGame) {
    rig.game.gameRunning = 0;
    rig.game.score = 900;
    rig.game.bestScoreToBeat = 100;
    redrawNow();
    refreshPanel(rig.context());
    EXPECT_TRUE(callsOf(AssetRole::Digits).empty());
    EXPECT_EQ(rig.presenter.presented.size(), 1u);
}
