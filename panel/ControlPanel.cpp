#include "panel/ControlPanel.h"

#include "engine/Game.h"
#include "engine/GameHost.h"
#include "panel/PanelHitTest.h"

namespace tintfall {

ControlPanel::ControlPanel(Game& game, GameHost& host, PanelCommands& commands)
    : game_(game), host_(host), commands_(commands) {}

bool ControlPanel::enabled(PanelButton button) const {
    return buttonEnabled(button, game_.state().gameRunning != 0);
}

void ControlPanel::onMouseMove(int x, int y) {
    commands_.clearClassCursor();
    bool changed = false;
    bool overEnabledButton = false;
    for (int i = 0; i < kPanelButtonCount; ++i) {
        const auto button = static_cast<PanelButton>(i);
        // A disabled button keeps its last state until it works again.
        if (!enabled(button)) continue;
        if (buttonContains(geometry_, button, x, y)) {
            overEnabledButton = true;
            if (looks_.buttonState[button] == 0) {
                looks_.buttonState[button] = 1;
                changed = true;
            }
        } else if (looks_.buttonState[button] != 0) {
            looks_.buttonState[button] = 0;
            changed = true;
        }
    }
    if (overEnabledButton) {
        commands_.showButtonCursor();
    } else {
        commands_.restoreDefaultCursor();
    }
    // Disabled buttons and the number displays still explain themselves.
    const int line = hotspotLine(geometry_, x, y);
    if (line != looks_.statusLine) {
        looks_.statusLine = line;
        changed = true;
    }
    if (changed) commands_.drawPanel();
}

void ControlPanel::onLeftButtonDown(int x, int y) {
    for (int i = 0; i < kPanelButtonCount; ++i) {
        const auto button = static_cast<PanelButton>(i);
        if (button == PanelButton::Logo || !enabled(button) || !buttonContains(geometry_, button, x, y)) continue;
        host_.playSound(ButtonPress, 0);
        looks_.buttonState[button] = 2;
        commands_.drawPanel();
    }
}

void ControlPanel::onLeftButtonUp(int x, int y) {
    // Only the release position counts: the press may have begun elsewhere.
    for (PanelButton button : kButtonsInLineOrder) {
        if (enabled(button) && buttonContains(geometry_, button, x, y)) runAction(button);
    }
}

void ControlPanel::onRightButtonUp() { commands_.showHelpContext(kPanelHelpContext); }

void ControlPanel::runAction(PanelButton button) {
    if (const std::optional<RuleButton> rule = ruleButton(button)) game_.chooseRule(rule->group, rule->choice);
    switch (button) {
        case PanelButton::StartStop: game_.startOrStop(StartStopCaller::PanelButton); break;
        case PanelButton::Pause: game_.togglePause(); break;
        case PanelButton::Save: commands_.saveGame(); break;
        case PanelButton::Load: commands_.loadGame(); break;
        case PanelButton::LocalTable: commands_.showLocalTables(); break;
        case PanelButton::InternetTable: commands_.showInternetTable(); break;
        case PanelButton::Help: commands_.showHelpIndex(); break;
        case PanelButton::Exit: commands_.confirmQuit(); break;
        case PanelButton::Logo: commands_.openHomePage(); break;
        case PanelButton::NextBarSwitch: game_.toggleNextBar(); break;
        case PanelButton::StatusBarSwitch: game_.toggleStatusBar(); break;
        case PanelButton::Bombs: game_.toggleBombs(); break;
        default: break;  // the selectors: their rule, above
    }
    // The logo has no pressed look to undo.
    if (button != PanelButton::Logo) looks_.buttonState[button] = 1;
    host_.redraw();
}

}  // namespace tintfall
