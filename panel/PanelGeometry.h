#pragma once
// Rectangles of the control panel as the mouse logic sees them. The window
// layout of the effective size fills them.
#include <array>

namespace tintfall {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum PanelButton : int {
    startStop = 0,
    pause,
    save,
    load,
    localTable,
    internetTable,
    help,
    exit,
    logo,
    nextBarSwitch,
    statusBarSwitch,
    bombs,
    classic,
    timer,
    rising,
    easy,
    normal,
    hard,
    oneBlock,
    twoBlocks,
    threeBlocks,
};
constexpr int kPanelButtonCount = 21;

// The information hotspots, status lines 22 to 30, in line order.
enum InfoHotspot : int {
    nextBarArea = 0,
    statusOffArea,
    levelArea,
    blocksToClearArea,
    scoreArea,
    blocksRemovedArea,
    timeLeftArea,
    riseCountdownArea,
    bestScoreArea,
};
constexpr int kInfoHotspotCount = 9;

struct PanelGeometry {
    std::array<Rect, kPanelButtonCount> buttons{};
    std::array<Rect, kInfoHotspotCount> infoAreas{};
};

}  // namespace tintfall
