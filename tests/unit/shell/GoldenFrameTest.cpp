#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/unit/shell/RenderRig.h"

using namespace tintfall;
using namespace tintfall::test;

namespace {

// A frame composed on software canvases from the synthetic art, whose pixel
// colours name the picture and frame they came from.
class GoldenFrameTest : public ::testing::TestWithParam<int> {
protected:
    GoldenFrameTest()
        : rig(GetParam()),
          back(rig.view.layout.clientWidth, rig.view.layout.clientHeight),
          window(rig.view.layout.clientWidth, rig.view.layout.clientHeight),
          presenter(back, window) {}

    RenderContext context() {
        return RenderContext{rig.assets, rig.game, rig.settings, rig.view, rig.panel, back, window, presenter};
    }
    ColourRef art(AssetRole role, int across, int down = 0, int size = -1) const {
        return artColour(role, size < 0 ? rig.view.effectiveSize : size, across, down);
    }
    // The middle of a board cell.
    Point middle(int column, int row) const {
        const Point at = cellPosition(rig.view.layout, column, row);
        return {at.x + rig.view.layout.cellWidth / 2, at.y + rig.view.layout.cellHeight / 2};
    }
    ColourRef windowAt(Point p) const { return window.pixel(p.x, p.y); }
    // The window after a full redraw onto a back buffer that held one stale
    // colour everywhere; the back buffer is kept for further drawing.
    void redrawOver(ColourRef stale) {
        back = SoftwareCanvas(back.width(), back.height(), stale);
        window = SoftwareCanvas(back.width(), back.height());
        redraw(context());
    }
    // A picture with fewer and shorter frames than the game's, as a player may
    // put in the art folder.
    void useSmallPicture(AssetRole role) {
        const FrameShape s = shapeOf(role, rig.view.effectiveSize);
        rig.files.contents["art\\" + assetFileName(role, rig.view.effectiveSize, rig.settings.blockSet)] =
            makeBmp(s.frameWidth * 4, s.frameHeight * std::max(1, s.down - 3) - 1, 24, [&](int x, int y) {
                return artColour(role, rig.view.effectiveSize, x / s.frameWidth, y / s.frameHeight);
            });
        rig.assets.loadAll(rig.settings.blockSet);
    }

    RenderRig rig;
    SoftwareCanvas back;
    SoftwareCanvas window;
    SoftwarePresenter presenter;
};

}  // namespace

TEST_P(GoldenFrameTest, RunningGameShowsEveryPartWhereItBelongs) {
    rig.startGame();
    rig.settings.fieldBackground = ThreeDField;
    rig.game.board.setCell(0, 14, 4);
    rig.game.board.setCell(5, 14, 1);
    rig.game.score = 7;
    redraw(context());

    const WindowLayout& l = rig.view.layout;
    EXPECT_EQ(windowAt(middle(0, 14)), art(AssetRole::BlockCells, 4));
    EXPECT_EQ(windowAt(middle(5, 14)), art(AssetRole::BlockCells, 1));
    EXPECT_EQ(windowAt(middle(2, 5)), art(AssetRole::BlockCells, 0));  // the piece's bottom block
    EXPECT_EQ(windowAt(middle(2, 3)), art(AssetRole::BlockCells, 2));
    EXPECT_EQ(windowAt(middle(3, 8)), art(AssetRole::ThreeDField, 3, 5));  // field picture cell (3, 8 - 3)
    // Outside the field the window background shows.
    EXPECT_EQ(window.pixel(l.fieldRect.x - 1, l.fieldRect.y + 5), art(AssetRole::Background, 0));
    EXPECT_EQ(window.pixel(l.fieldRect.x + 5, l.fieldRect.y - 1), art(AssetRole::Background, 0));
    // Score 7: digit glyph 7 (frame 21 of the 5-pixel synthetic frames) at the ones place, blanks left of it.
    EXPECT_EQ(window.pixel(l.scoreDigitsAt.x + 1, l.scoreDigitsAt.y + 1), art(AssetRole::Digits, 21, 0, 0));
    EXPECT_EQ(window.pixel(l.scoreDigitsAt.x - 14, l.scoreDigitsAt.y + 1), art(AssetRole::Digits, 30, 0, 0));
    // Next piece: Normal-size cells in both window sizes, bottom block colour 3.
    EXPECT_EQ(window.pixel(l.nextCellX[0] + 16, l.nextCellBottomY[0] + 15), art(AssetRole::BlockCells, 3, 0, 0));
    EXPECT_EQ(window.pixel(l.nextCellX[0] + 16, l.nextCellBottomY[0] - 15), art(AssetRole::BlockCells, 4, 0, 0));
    // The whole back buffer reached the window.
    for (int y = 0; y < back.height(); y += 7)
        for (int x = 0; x < back.width(); x += 7) ASSERT_EQ(window.pixel(x, y), back.pixel(x, y)) << x << "," << y;
}

TEST_P(GoldenFrameTest, NoGameShowsTheCoverOverTheWholeField) {
    rig.game.board.setCell(0, 14, 4);  // left over from a finished game
    redraw(context());
    EXPECT_EQ(windowAt(middle(0, 14)), art(AssetRole::Cover, 0, 11));
    EXPECT_EQ(windowAt(middle(5, 3)), art(AssetRole::Cover, 5, 0));
    const WindowLayout& l = rig.view.layout;
    // The number areas show the window background.
    EXPECT_EQ(window.pixel(l.scoreDigitsAt.x + 1, l.scoreDigitsAt.y + 1), art(AssetRole::Background, 0));
}

TEST_P(GoldenFrameTest, AnimationsChangeTheWindowButNotTheBackBuffer) {
    rig.startGame();
    redraw(context());
    drawCellInWindow(context(), 1, 9, CellImage::Removal, 13);
    EXPECT_EQ(windowAt(middle(1, 9)), art(AssetRole::RemovalAnimation, 13));
    EXPECT_EQ(back.pixel(middle(1, 9).x, middle(1, 9).y), art(AssetRole::Background, 0));
    drawCoverCell(context(), 1, 9);
    EXPECT_EQ(windowAt(middle(1, 9)), art(AssetRole::Cover, 1, 6));
    drawFieldBackgroundCell(context(), 1, 9);
    EXPECT_EQ(windowAt(middle(1, 9)), art(AssetRole::Background, 0));
}

TEST_P(GoldenFrameTest, SettlePassShowsTheBoardWithoutThePiece) {
    rig.startGame();
    rig.settings.fieldBackground = UserColour;
    rig.settings.userColour = 0x00405060;
    redraw(context());
    rig.game.board.setCell(3, 13, 2);
    showField(context());
    EXPECT_EQ(windowAt(middle(3, 13)), art(AssetRole::BlockCells, 2));
    EXPECT_EQ(windowAt(middle(2, 5)), 0x00405060u);  // the piece is not part of the settled field
    EXPECT_EQ(windowAt(middle(0, 3)), 0x00405060u);
}

// Every pixel of a frame comes from this frame, whatever the back buffer held
// before; and with the piece out of view the field is the board as the
// settle pass composes it cell by cell.
TEST_P(GoldenFrameTest, EveryFramePaintsEveryPixelAndItsFieldMatchesTheBoard) {
    rig.startGame();
    for (int row = 6; row <= kFloorRow; ++row)
        for (int column = 0; column < kColumns; ++column)
            if ((row * 5 + column * 3) % 4 != 0) rig.game.board.setCell(column, row, (row + column) % 9);
    rig.game.board.setCell(4, 4, 3);
    rig.game.board.setCell(0, 14, 42);  // a damaged cell shows the field background
    rig.settings.userColour = 0x00405060;
    struct Scene {
        std::string name;
        std::function<void()> set;
    };
    const std::vector<Scene> scenes = {
        {"running", [] {}},
        {"piece above the field", [&] { rig.game.piece.row = 1; }},
        {"paused", [&] { rig.game.notPaused = 0; }},
        {"no game", [&] { rig.game.gameRunning = 0; }},
        {"small field picture", [&] { useSmallPicture(AssetRole::ThreeDField); }},
        {"small cell picture", [&] { useSmallPicture(AssetRole::BlockCells); }},
        {"small cover, paused", [&] {
             useSmallPicture(AssetRole::Cover);
             rig.game.notPaused = 0;
         }},
    };
    for (const Scene& scene : scenes) {
        for (std::int32_t background : {GreyField, UserColour, ColourField, ThreeDField, FantasyField}) {
            rig.settings.fieldBackground = background;
            scene.set();
            const std::string label = scene.name + ", field background " + std::to_string(background);
            redrawOver(0x00FF00FF);
            const std::vector<std::uint8_t> frame = window.bmpBytes();
            redrawOver(0x0000FF00);
            ASSERT_EQ(window.bmpBytes(), frame) << label;
            if (rig.game.gameRunning && rig.game.notPaused && rig.game.piece.row == 1) {
                showField(context());
                ASSERT_EQ(window.bmpBytes(), frame) << label;
            }
        }
        rig.startGame();
        rig.files.contents.clear();
        addSyntheticArt(rig.files, "art\\", rig.settings.blockSet);
        rig.assets.loadAll(rig.settings.blockSet);
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizes, GoldenFrameTest, ::testing::Values(0, 1));
