#include <gtest/gtest.h>

#include "panel/PanelHitTest.h"
#include "shell/WindowLayout.h"

using namespace tintfall;

namespace {

const PanelGeometry& normalPanel() {
    static const PanelGeometry geometry = applyLayout(0).panel;
    return geometry;
}

const PanelGeometry& bigPanel() {
    static const PanelGeometry geometry = applyLayout(1).panel;
    return geometry;
}

}  // namespace

TEST(PanelHitTest, ColumnRightOfSaveIsNotSaveWhileColumnRightOfLoadIsLoad) {
    const int y = 70 + 5;
    EXPECT_TRUE(buttonContains(normalPanel(), PanelButton::Save, 63 + 37, y));
    EXPECT_FALSE(buttonContains(normalPanel(), PanelButton::Save, 63 + 38, y));
    EXPECT_EQ(hotspotLine(normalPanel(), 63 + 38, y), 0);
    EXPECT_TRUE(buttonContains(normalPanel(), PanelButton::Load, 104 + 38, y));
    EXPECT_EQ(hotspotLine(normalPanel(), 104 + 38, y), 4);
    EXPECT_FALSE(buttonContains(normalPanel(), PanelButton::Load, 104 + 39, y));
}

TEST(PanelHitTest, BigSizeKeepsTheEdgeRulesAtItsOwnPositions) {
    const int y = 116 + 5;
    EXPECT_FALSE(buttonContains(bigPanel(), PanelButton::Save, 71 + 38, y));
    EXPECT_TRUE(buttonContains(bigPanel(), PanelButton::Save, 71 + 37, y));
    EXPECT_TRUE(buttonContains(bigPanel(), PanelButton::Load, 112 + 38, y));
    EXPECT_EQ(hotspotLine(bigPanel(), 112 + 38, y), 4);
    // The Normal position of Load is empty panel in Big size.
    EXPECT_EQ(hotspotLine(normalPanel(), 104 + 38, 91), 4);
    EXPECT_EQ(hotspotLine(bigPanel(), 104 + 38, 91), 0);
}

TEST(PanelHitTest, LeftTopAndBottomEdgesBelongToTheButton) {
    EXPECT_TRUE(buttonContains(normalPanel(), PanelButton::Save, 63, 70));
    EXPECT_FALSE(buttonContains(normalPanel(), PanelButton::Save, 62, 70));
    EXPECT_FALSE(buttonContains(normalPanel(), PanelButton::Save, 63, 69));
    EXPECT_TRUE(buttonContains(normalPanel(), PanelButton::Save, 63, 70 + 22));
    EXPECT_FALSE(buttonContains(normalPanel(), PanelButton::Save, 63, 70 + 23));
}

TEST(PanelHitTest, NeighbouringSelectorsShareNoColumn) {
    const int y = 175 + 10;
    EXPECT_EQ(hotspotLine(normalPanel(), 52, y), 9);   // last column of Classic
    EXPECT_EQ(hotspotLine(normalPanel(), 53, y), 10);  // first column of Timer
    EXPECT_EQ(hotspotLine(normalPanel(), 98, y), 10);
    EXPECT_EQ(hotspotLine(normalPanel(), 99, y), 11);
    EXPECT_EQ(hotspotLine(normalPanel(), 144, y), 11);
    EXPECT_EQ(hotspotLine(normalPanel(), 145, y), 0);
}

TEST(PanelHitTest, EveryButtonExplainsItselfWithItsLineInBothSizes) {
    for (const PanelGeometry* geometry : {&normalPanel(), &bigPanel()}) {
        for (int line = 1; line <= kPanelButtonCount; ++line) {
            const PanelButton button = kButtonsInLineOrder[line - 1];
            EXPECT_EQ(buttonLine(button), line);
            const Rect& r = geometry->buttons[button];
            EXPECT_EQ(hotspotLine(*geometry, r.x + 1, r.y + 1), line) << "button " << static_cast<int>(button);
        }
    }
}

TEST(PanelHitTest, InformationAreasGiveLines22To30) {
    const WindowLayout layout = applyLayout(0);
    EXPECT_EQ(hotspotLine(layout.panel, layout.nextBarRect.x + 1, layout.nextBarRect.y + 1), 22);
    EXPECT_EQ(hotspotLine(layout.panel, layout.levelRect.x, layout.levelRect.y), 24);
    // Information areas include their right edge.
    EXPECT_EQ(hotspotLine(layout.panel, layout.scoreRect.x + layout.scoreRect.width, layout.scoreRect.y), 26);
    EXPECT_EQ(hotspotLine(layout.panel, layout.bestScoreRect.x + 5, layout.bestScoreRect.y + 5), 30);
}

TEST(PanelHitTest, TheLastHotspotContainingThePointWins) {
    // The status bar switch's included right edge lies on the first column
    // of the status-off area (line 23), which comes later in line order.
    const Rect& sw = normalPanel().buttons[PanelButton::StatusBarSwitch];
    EXPECT_TRUE(buttonContains(normalPanel(), PanelButton::StatusBarSwitch, sw.x + sw.width, sw.y + 2));
    EXPECT_EQ(hotspotLine(normalPanel(), sw.x + sw.width, sw.y + 2), 23);
    EXPECT_EQ(hotspotLine(normalPanel(), sw.x + sw.width - 1, sw.y + 2), 21);
}

TEST(PanelHitTest, EnabledRulesFollowWhetherAGameRuns) {
    int settingButtons = 0;
    for (int i = 0; i < kPanelButtonCount; ++i) {
        const auto button = static_cast<PanelButton>(i);
        if (isSettingButton(button)) {
            ++settingButtons;
            EXPECT_TRUE(buttonEnabled(button, false));
            EXPECT_FALSE(buttonEnabled(button, true));
        } else if (button == PanelButton::Pause || button == PanelButton::Save) {
            EXPECT_FALSE(buttonEnabled(button, false));
            EXPECT_TRUE(buttonEnabled(button, true));
        } else {
            EXPECT_TRUE(buttonEnabled(button, false));
            EXPECT_TRUE(buttonEnabled(button, true));
        }
    }
    EXPECT_EQ(settingButtons, 10);
}
