#include "shell/PanelPainter.h"

#include <algorithm>

#include "engine/PlayedRules.h"
#include "panel/PanelHitTest.h"
#include "shell/Renderer.h"

namespace tintfall {
namespace {

// Frame of a selector of one of the three setting groups.
int selectorFrame(bool selected, bool running, std::int32_t state) {
    if (running) return selected ? kDisabledSelectedFrame : kDisabledSelectorFrame;
    return selected ? state + kSelectedFrameOffset : state;
}

// A selector is lit for the choice its group's stored code is played as.
bool isSelected(PanelButton button, const GameSettings& settings) {
    const std::optional<RuleButton> rule = ruleButton(button);
    return rule && ruleChoice(rule->group, storedRuleCode(settings, rule->group)) == rule->choice;
}

AssetRole selectorRole(PanelButton button) {
    return static_cast<AssetRole>(static_cast<int>(AssetRole::ClassicSelector) +
                                  stepsFrom(PanelButton::Classic, button));
}

}  // namespace

ButtonLook buttonLook(PanelButton button, const GameState& game, const GameSettings& settings,
                      const PanelLooks& looks) {
    const bool running = game.gameRunning != 0;
    // A state outside 0..2 would pick a frame of another look.
    const int state = std::clamp<std::int32_t>(looks.buttonState[button], 0, 2);
    switch (button) {
        case PanelButton::StartStop: return {running ? AssetRole::StopButton : AssetRole::StartButton, state};
        case PanelButton::Pause:
            if (!running) return {AssetRole::PauseDisabled, 0};
            return {game.notPaused ? AssetRole::PauseButton : AssetRole::ResumeButton, state};
        case PanelButton::Save:
            return running ? ButtonLook{AssetRole::SaveButton, state} : ButtonLook{AssetRole::SaveDisabled, 0};
        case PanelButton::Load: return {AssetRole::LoadButton, state};
        case PanelButton::LocalTable: return {AssetRole::TableButton, state};
        case PanelButton::InternetTable: return {AssetRole::InternetTableButton, state};
        case PanelButton::Help: return {AssetRole::HelpButton, state};
        case PanelButton::Exit: return {AssetRole::ExitButton, state};
        case PanelButton::Logo: return {AssetRole::LogoButton, state};
        case PanelButton::NextBarSwitch:
            return {settings.showNextBar ? AssetRole::NextBarShown : AssetRole::NextBarHidden, state};
        case PanelButton::StatusBarSwitch:
            return {settings.showStatusBar ? AssetRole::StatusBarShown : AssetRole::StatusBarHidden, state};
        case PanelButton::Bombs:
            if (running) return {settings.bombsEnabled ? AssetRole::BombsOnDisabled : AssetRole::BombsOffDisabled, 0};
            return {settings.bombsEnabled ? AssetRole::BombsOn : AssetRole::BombsOff, state};
        default: return {selectorRole(button), selectorFrame(isSelected(button, settings), running, state)};
    }
}

void drawButtons(Canvas& canvas, const AssetStore& assets, const GameState& game, const GameSettings& settings,
                 const PresentationState& view, const PanelLooks& looks) {
    // Panel order: the eight command buttons, the two switches, the logo,
    // the bombs switch, then the three selector groups.
    static constexpr PanelButton kOrder[kPanelButtonCount] = {
        PanelButton::StartStop,     PanelButton::Pause,           PanelButton::Save,     PanelButton::Load,
        PanelButton::LocalTable,    PanelButton::InternetTable,   PanelButton::Help,     PanelButton::Exit,
        PanelButton::NextBarSwitch, PanelButton::StatusBarSwitch, PanelButton::Logo,     PanelButton::Bombs,
        PanelButton::Classic,       PanelButton::Timer,           PanelButton::Rising,   PanelButton::Easy,
        PanelButton::Normal,        PanelButton::Hard,            PanelButton::OneBlock, PanelButton::TwoBlocks,
        PanelButton::ThreeBlocks,
    };
    for (PanelButton button : kOrder) {
        const ButtonLook look = buttonLook(button, game, settings, looks);
        const Rect& r = view.layout.panel.buttons[button];
        canvas.blit(assets.image(look.role, view.effectiveSize).view(), look.frame * r.width, 0, r.width, r.height,
                    r.x, r.y);
    }
}

void drawStatusArea(Canvas& canvas, const AssetStore& assets, const GameSettings& settings,
                    const PresentationState& view, const PanelLooks& looks) {
    const WindowLayout& l = view.layout;
    if (settings.showStatusBar) {
        const int line = std::clamp<std::int32_t>(looks.statusLine, 0, kLastStatusLine);
        const Rect& r = l.statusLineRect;
        canvas.blit(assets.image(AssetRole::StatusLines, 0).view(), 0, line * kStatusLineHeight, r.width, r.height, r.x,
                    r.y);
    } else {
        const Rect& r = l.statusOffRect;
        canvas.blit(assets.image(AssetRole::StatusOff, 0).view(), 0, 0, r.width, r.height, r.x, r.y);
    }
}

}  // namespace tintfall
