#include "panel/PanelHitTest.h"

namespace tintfall {

const std::array<PanelButton, kPanelButtonCount> kButtonsInLineOrder = {
    startStop, pause,  save,   load,     localTable, internetTable, help,
    exit,      classic, timer, rising,   easy,       normal,        hard,
    oneBlock,  twoBlocks, threeBlocks, bombs, logo,  nextBarSwitch, statusBarSwitch,
};

int buttonLine(PanelButton button) {
    for (int i = 0; i < kPanelButtonCount; ++i) {
        if (kButtonsInLineOrder[i] == button) return i + 1;
    }
    return 0;
}

bool rightEdgeIncluded(PanelButton button) {
    switch (button) {
        case startStop:
        case pause:
        case load:
        case internetTable:
        case exit:
        case logo:
        case nextBarSwitch:
        case statusBarSwitch:
            return true;
        default:
            return false;
    }
}

bool isSettingButton(PanelButton button) {
    switch (button) {
        case classic:
        case timer:
        case rising:
        case easy:
        case normal:
        case hard:
        case oneBlock:
        case twoBlocks:
        case threeBlocks:
        case bombs:
            return true;
        default:
            return false;
    }
}

std::optional<RuleButton> ruleButton(PanelButton button) {
    // Each group's three selectors lie side by side in choice order.
    if (button >= classic && button <= rising) return RuleButton{RuleGroup::Mode, button - classic};
    if (button >= easy && button <= hard) return RuleButton{RuleGroup::Difficulty, button - easy};
    if (button >= oneBlock && button <= threeBlocks) return RuleButton{RuleGroup::Blocks, button - oneBlock};
    return std::nullopt;
}

bool buttonEnabled(PanelButton button, bool gameRunning) {
    if (button == pause || button == save) return gameRunning;
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
