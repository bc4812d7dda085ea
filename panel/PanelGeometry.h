#pragma once
// Rectangles of the control panel as the mouse logic sees them. The window
// layout of the effective size fills them.
#include <array>
#include <cstddef>

#include "platform/Rect.h"

namespace tintfall {

enum class PanelButton : int {
    StartStop = 0,
    Pause,
    Save,
    Load,
    LocalTable,
    InternetTable,
    Help,
    Exit,
    Logo,
    NextBarSwitch,
    StatusBarSwitch,
    Bombs,
    Classic,
    Timer,
    Rising,
    Easy,
    Normal,
    Hard,
    OneBlock,
    TwoBlocks,
    ThreeBlocks,
};
constexpr int kPanelButtonCount = 21;

// Steps between buttons in the order above, where the buttons of a selector
// group follow each other: the button `step` after `first`, and how far
// after `first` a button lies.
constexpr PanelButton buttonAfter(PanelButton first, int step) {
    return static_cast<PanelButton>(static_cast<int>(first) + step);
}
constexpr int stepsFrom(PanelButton first, PanelButton button) {
    return static_cast<int>(button) - static_cast<int>(first);
}

// One value for each button of the panel, looked up by the button.
template <typename Value>
struct PerPanelButton {
    std::array<Value, kPanelButtonCount> values{};

    Value& operator[](PanelButton button) { return values[static_cast<std::size_t>(button)]; }
    const Value& operator[](PanelButton button) const { return values[static_cast<std::size_t>(button)]; }
    bool operator==(const PerPanelButton& other) const { return values == other.values; }
};

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
    PerPanelButton<Rect> buttons{};
    std::array<Rect, kInfoHotspotCount> infoAreas{};
};

}  // namespace tintfall
