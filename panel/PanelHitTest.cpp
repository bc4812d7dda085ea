#include "panel/PanelHitTest.h"

namespace tintfall {

const std::array<PanelButton, kPanelButtonCount> kButtonsInLineOrder = {
    PanelButton::StartStop,     PanelButton::Pause,          PanelButton::Save,      PanelButton::Load,
    PanelButton::LocalTable,    PanelButton::InternetTable,  PanelButton::Help,      PanelButton::Exit,
    PanelButton::Classic,       PanelButton::Timer,          PanelButton::Rising,    PanelButton::Easy,
    PanelButton::Normal,        PanelButton::Hard,           PanelButton::OneBlock,  PanelButton::TwoBlocks,
    PanelButton::ThreeBlocks,   PanelButton::Bombs,          PanelButton::Logo,      PanelButton::NextBarSwitch,
    PanelButton::StatusBarSwitch,
};

int buttonLine(PanelButton button) {
    for (int i = 0; i < kPanelButtonCount; ++i) {
        if (kButtonsInLineOrder[i] == button) return i + 1;
    }
    return 0;
}

bool rightEdgeIncluded(PanelButton button) {
    switch (button) {
        case PanelButton::StartStop:
        case PanelButton::Pause:
        case PanelButton::Load:
        case PanelButton::InternetTable:
        case PanelButton::Exit:
        case PanelButton::Logo:
        case PanelButton::NextBarSwitch:
        case PanelButton::StatusBarSwitch:
            return true;
        default:
            return false;
    }
}

bool isSettingButton(PanelButton button) {
    switch (button) {
        case PanelButton::Classic:
        case PanelButton::Timer:
        case PanelButton::Rising:
        case PanelButton::Easy:
        case PanelButton::Normal:
        case PanelButton::Hard:
        case PanelButton::OneBlock:
        case PanelButton::TwoBlocks:
        case PanelButton::ThreeBlocks:
        case PanelButton::Bombs:
            return true;
        default:
            return false;
    }
}

std::optional<RuleButton> ruleButton(PanelButton button) {
    // Each group's three selectors lie side by side in choice order.
    if (button >= PanelButton::Classic && button <= PanelButton::Rising)
        return RuleButton{RuleGroup::Mode, stepsFrom(PanelButton::Classic, button)};
    if (button >= PanelButton::Easy && button <= PanelButton::Hard)
        return RuleButton{RuleGroup::Difficulty, stepsFrom(PanelButton::Easy, button)};
    if (button >= PanelButton::OneBlock && button <= PanelButton::ThreeBlocks)
        return RuleButton{RuleGroup::Blocks, stepsFrom(PanelButton::OneBlock, button)};
    return std::nullopt;
}

bool buttonEnabled(PanelButton button, bool gameRunning) {
    if (button == PanelButton::Pause || button == PanelButton::Save) return gameRunning;
    if (isSettingButton(button)) return !gameRunning;
    return true;
}

bool rectContains(const Rect& rect, bool includeRightEdge, int x, int y) {
    const int right = includeRightEdge ? rect.x + rect.width : rect.x + rect.width - 1;
    return rect.x <= x && x <= right && rect.y <= y && y <= rect.y + rect.height;
}

bool buttonContains(const PanelGeometry& geometry, PanelButton button, int x, int y) {
    return rectContains(geometry.buttons[button], rightEdgeIncluded(button), x, y);
}

int hotspotLine(const PanelGeometry& geometry, int x, int y) {
    int line = 0;
    for (int i = 0; i < kPanelButtonCount; ++i) {
        if (buttonContains(geometry, kButtonsInLineOrder[i], x, y)) line = i + 1;
    }
    for (int i = 0; i < kInfoHotspotCount; ++i) {
        if (rectContains(geometry.infoAreas[i], true, x, y)) line = kPanelButtonCount + 1 + i;
    }
    return line;
}

}  // namespace tintfall
