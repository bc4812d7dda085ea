// Every picture of graph/ replaced by a hostile one, then the whole frame and
// every small drawing operation on software canvases: nothing reads outside
// a picture (the sanitizer build watches), and what is drawn is what the
// hostile files hold.
#include <gtest/gtest.h>

#include "platform/headless/SoftwareCanvas.h"
#include "tests/unit/shell/RenderRig.h"

using namespace tintfall;
using namespace tintfall::test;

namespace {

constexpr ColourRef kUntouched = 0x00ABCDEF;

enum class Hostility {
    TinyPictures,         // 1 x 1 where whole frames are expected
    IndicesPastTheTable,  // 8-bit pixels 0..255 over a table of two colours
    OddFourBitRows,       // 4 bits per pixel, one pixel narrower than expected
    CutShort,             // every file stops halfway through its rows
};

void replaceEveryPicture(MemoryFiles& files, int blockSet, Hostility hostility) {
    for (int r = 0; r < kAssetRoleCount; ++r) {
        const AssetRole role = static_cast<AssetRole>(r);
        for (int size = 0; size < (hasTwoSizes(role) ? 2 : 1); ++size) {
            const FrameShape s = shapeOf(role, size);
            const int width = s.frameWidth * s.across;
            const int height = s.frameHeight * s.down;
            std::vector<std::uint8_t>& file = files.contents["art\\" + assetFileName(role, size, blockSet)];
            switch (hostility) {
                case Hostility::TinyPictures:
                    file = makeBmp(1, 1, 24, [](int, int) { return 0x0000FF00u; });
                    break;
                case Hostility::IndicesPastTheTable:
                    file = makeBmp(width, height, 8, [](int x, int y) { return static_cast<std::uint32_t>(x + y) & 255u; },
                                   {0x000000FF, 0x00FF0000});
                    break;
                case Hostility::OddFourBitRows:
                    file = makeBmp(width - 1, height, 4, [](int x, int) { return static_cast<std::uint32_t>(x) & 15u; },
                                   std::vector<ColourRef>(16, 0x00336699));
                    break;
                case Hostility::CutShort:
                    file.resize(file.size() / 2);
                    break;
            }
        }
    }
}

class HostileArt : public ::testing::TestWithParam<std::tuple<int, Hostility>> {
protected:
    HostileArt()
        : rig(std::get<0>(GetParam())),
          back(rig.view.layout.clientWidth, rig.view.layout.clientHeight, kUntouched),
          window(rig.view.layout.clientWidth, rig.view.layout.clientHeight, kUntouched),
          presenter(back, window) {
        replaceEveryPicture(rig.files, rig.settings.blockSet, std::get<1>(GetParam()));
        rig.assets.loadAll(rig.settings.blockSet);
        rig.startGame();
        rig.settings.fieldBackground = ThreeDField;
        for (int column = 0; column < kColumns; ++column) rig.game.board.setCell(column, kFloorRow, column);
        rig.game.board.setCell(0, kFloorRow - 1, 7);  // a bomb
    }

    // The frame, then every operation that draws straight into the window.
    void drawEverything() {
        const RenderContext c{rig.assets, rig.game, rig.settings, rig.view, rig.panel, back, window, presenter};
        redraw(c);
        refreshPanel(c);
        drawPanel(c);
        drawPieceMove(c);
        showField(c);
        for (int frame = 0; frame < 30; ++frame) drawCellInWindow(c, 1, kFloorRow, CellImage::Removal, frame);
        for (int frame = 0; frame < 5; ++frame) drawCellInWindow(c, 2, kFloorRow, CellImage::Explosion, frame);
        drawFieldBackgroundCell(c, 3, kFloorRow);
        drawCoverCell(c, 4, kFloorRow);
    }

    RenderRig rig;
    SoftwareCanvas back;
    SoftwareCanvas window;
    SoftwarePresenter presenter;
};

}  // namespace

TEST_P(HostileArt, EveryDrawingOperationStaysInsideThePictures) {
    drawEverything();
    const Point cell = cellPosition(rig.view.layout, 0, kFloorRow);
    const Point inCell{cell.x + rig.view.layout.cellWidth / 2, cell.y + rig.view.layout.cellHeight / 2};
    switch (std::get<1>(GetParam())) {
        case Hostility::TinyPictures:
            // Each copy takes the one pixel there is and nothing beside it.
            EXPECT_EQ(window.pixel(0, 0), 0x0000FF00u);
            EXPECT_EQ(window.pixel(1, 1), kUntouched);
            EXPECT_EQ(window.pixel(inCell.x, inCell.y), kUntouched);
            break;
        case Hostility::IndicesPastTheTable:
            // Index 0 and 1 are the table's; every other index shows black.
            EXPECT_EQ(window.pixel(0, 0), 0x000000FFu);
            EXPECT_EQ(window.pixel(5, 0), 0u);
            break;
        case Hostility::OddFourBitRows:
            EXPECT_EQ(window.pixel(0, 0), 0x00336699u);
            EXPECT_EQ(window.pixel(rig.view.layout.clientWidth - 1, 0), kUntouched);
            break;
        case Hostility::CutShort:
            // Refused pictures draw nothing at all.
            for (int y = 0; y < rig.view.layout.clientHeight; y += 7)
                for (int x = 0; x < rig.view.layout.clientWidth; x += 7) ASSERT_EQ(window.pixel(x, y), kUntouched);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizes, HostileArt,
                         ::testing::Combine(::testing::Values(0, 1),
                                            ::testing::Values(Hostility::TinyPictures, Hostility::IndicesPastTheTable,
                                                              Hostility::OddFourBitRows, Hostility::CutShort)));
