#pragma once
// The fixed facts of the control panel's buttons (status line, right edge,
// when they work) and the hit test of a point against the panel.
#include <array>
#include <optional>

#include "engine/Rules.h"
#include "panel/PanelGeometry.h"

namespace tintfall {

constexpr int kHotspotCount = kPanelButtonCount + kInfoHotspotCount;  // status lines 1..30

// The buttons in the order of their status lines 1..21; clicks are also
// tested in this order.
extern const std::array<PanelButton, kPanelButtonCount> kButtonsInLineOrder;

// Status line (1..21) explaining the button.
int buttonLine(PanelButton button);

// Whether the pixel column at left + width still belongs to the button.
bool rightEdgeIncluded(PanelButton button);

// Mode, difficulty, piece size and bombs: they work only between games.
bool isSettingButton(PanelButton button);

// The rule a selector stands for: its group and its choice there.
struct RuleButton {
    RuleGroup group;
    int choice;
};
// Nothing for a button other than the nine selectors.
std::optional<RuleButton> ruleButton(PanelButton button);

// Whether the button reacts to the mouse, given whether a game runs.
bool buttonEnabled(PanelButton button, bool gameRunning);

// left <= x <= left + width (or left + width - 1 without the right edge)
// and top <= y <= top + height.
bool rectContains(const Rect& rect, bool includeRightEdge, int x, int y);

bool buttonContains(const PanelGeometry& geometry, PanelButton button, int x, int y);

// The status line of the point: the last of the 30 hotspots, in line order,
// that contains it, or 0 when none does.
int hotspotLine(const PanelGeometry& geometry, int x, int y);

}  // namespace tintfall
