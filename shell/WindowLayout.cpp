#include "shell/WindowLayout.h"

namespace tintfall {
namespace {

WindowLayout normalLayout() {
    WindowLayout l;
    l.clientWidth = 483;
    l.clientHeight = 407;
    l.fieldOrigin = {153, -75};
    l.cellWidth = 32;
    l.cellHeight = 30;
    l.fieldRect = {153, 15, 192, 360};
    l.levelDigitsAt = {392, 177};
    l.scoreDigitsAt = {453, 218};
    l.blocksRemovedDigitsAt = {453, 259};
    l.blocksToClearDigitsAt = {453, 177};
    l.timeLeftAt = {412, 300};
    l.riseCountdownDigitsAt = {453, 300};
    l.bestScoreDigitsAt = {453, 341};
    l.levelRect = {362, 177, 45, 17};
    l.scoreRect = {363, 218, 105, 17};
    l.blocksRemovedRect = {363, 259, 105, 17};
    l.blocksToClearRect = {423, 177, 45, 17};
    l.timeLeftRect = {362, 300, 65, 17};
    l.riseCountdownRect = {438, 300, 30, 17};
    l.bestScoreRect = {363, 341, 105, 17};
    l.nextBarRect = {375, 41, 32, 90};
    l.statusLineRect = {21, 384, 414, 15};
    l.statusOffRect = {21, 383, 459, 17};
    l.clockAt = {442, 387};
    l.nextCellX = {375, 375, 375, 375, 375, 375};
    l.nextCellBottomY = {101, 71, 41, 41, 41, 41};
    return l;
}

WindowLayout bigLayout() {
    WindowLayout l;
    l.clientWidth = 602;
    l.clientHeight = 602;
    l.fieldOrigin = {161, -123};
    l.cellWidth = 48;
    l.cellHeight = 46;
    l.fieldRect = {161, 15, 288, 552};
    l.levelDigitsAt = {496, 297};
    l.scoreDigitsAt = {557, 338};
    l.blocksRemovedDigitsAt = {557, 379};
    l.blocksToClearDigitsAt = {557, 297};
    l.timeLeftAt = {516, 420};
    l.riseCountdownDigitsAt = {557, 420};
    l.bestScoreDigitsAt = {557, 461};
    l.levelRect = {466, 297, 45, 17};
    l.scoreRect = {467, 338, 105, 17};
    l.blocksRemovedRect = {467, 379, 105, 17};
    l.blocksToClearRect = {527, 297, 45, 17};
    l.timeLeftRect = {466, 420, 65, 17};
    l.riseCountdownRect = {542, 420, 30, 17};
    l.bestScoreRect = {467, 461, 105, 17};
    l.nextBarRect = {479, 87, 32, 90};
    l.statusLineRect = {85, 581, 414, 15};
    l.statusOffRect = {85, 580, 459, 17};
    l.clockAt = {506, 584};
    l.nextCellX = {479, 479, 479, 479, 479, 479};
    l.nextCellBottomY = {147, 117, 87, 87, 87, 87};
    return l;
}

// The panel differs between the sizes by a shift of the left column and of
// the right-hand switches; every rectangle is listed as the window shows it.
void fillPanel(WindowLayout& l, bool big) {
    auto& b = l.panel.buttons;
    const int lx = big ? 8 : 0;     // left column shift
    const int ty = big ? 46 : 0;    // upper buttons shift
    const int sy = big ? 120 : 0;   // selectors, PanelButton::Logo and PanelButton::Bombs shift
    b[PanelButton::StartStop] = {63 + lx, 22 + ty, 79, 22};
    b[PanelButton::Pause] = {63 + lx, 46 + ty, 79, 22};
    b[PanelButton::Save] = {63 + lx, 70 + ty, 38, 22};
    b[PanelButton::Load] = {104 + lx, 70 + ty, 38, 22};
    b[PanelButton::LocalTable] = {63 + lx, 94 + ty, 38, 22};
    b[PanelButton::InternetTable] = {104 + lx, 94 + ty, 38, 22};
    b[PanelButton::Help] = {63 + lx, 118 + ty, 38, 22};
    b[PanelButton::Exit] = {104 + lx, 118 + ty, 38, 22};
    b[PanelButton::Logo] = {15 + lx, 331 + sy, 75, 32};
    b[PanelButton::NextBarSwitch] = big ? Rect{517, 85, 18, 17} : Rect{413, 39, 18, 17};
    b[PanelButton::StatusBarSwitch] = big ? Rect{66, 580, 19, 17} : Rect{2, 383, 19, 17};
    b[PanelButton::Bombs] = {106 + lx, 343 + sy, 30, 24};
    const int columns[3] = {7 + lx, 53 + lx, 99 + lx};
    for (int i = 0; i < 3; ++i) {
        b[buttonAfter(PanelButton::Classic, i)] = {columns[i], 175 + sy, 46, 38};
        b[buttonAfter(PanelButton::Easy, i)] = {columns[i], 231 + sy, 46, 38};
        b[buttonAfter(PanelButton::OneBlock, i)] = {columns[i], 287 + sy, 46, 38};
    }
    auto& a = l.panel.infoAreas;
    a[nextBarArea] = l.nextBarRect;
    a[statusOffArea] = l.statusOffRect;
    a[levelArea] = l.levelRect;
    a[blocksToClearArea] = l.blocksToClearRect;
    a[scoreArea] = l.scoreRect;
    a[blocksRemovedArea] = l.blocksRemovedRect;
    a[timeLeftArea] = l.timeLeftRect;
    a[riseCountdownArea] = l.riseCountdownRect;
    a[bestScoreArea] = l.bestScoreRect;
}

}  // namespace

WindowLayout applyLayout(int effectiveSize) {
    const bool big = effectiveSize == 1;
    WindowLayout layout = big ? bigLayout() : normalLayout();
    fillPanel(layout, big);
    return layout;
}

int chooseAutomaticSize(int screenWidth, int screenHeight) {
    return (screenWidth < 830 || screenHeight < 620) ? 0 : 1;
}

}  // namespace tintfall
