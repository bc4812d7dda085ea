#pragma once
// The control panel's pictures: the 21 buttons with the image and frame
// their state selects, and the status area at the bottom of the window.
#include "engine/GameState.h"
#include "panel/PanelGeometry.h"
#include "panel/PanelLooks.h"
#include "platform/Canvas.h"
#include "settings/GameSettings.h"
#include "shell/AssetStore.h"

namespace tintfall {

struct PresentationState;

constexpr int kStatusLineHeight = 15;
constexpr int kLastStatusLine = 30;
// Selector frames: 0-2 by button state, 3-5 the same when selected, then the
// disabled looks used while a game runs.
constexpr int kSelectedFrameOffset = 3;
constexpr int kDisabledSelectorFrame = 6;
constexpr int kDisabledSelectedFrame = 7;

// The image and frame one button shows.
struct ButtonLook {
    AssetRole role = AssetRole::StartButton;
    int frame = 0;
};

ButtonLook buttonLook(PanelButton button, const GameState& game, const GameSettings& settings,
                      const PanelLooks& looks);

// Every button in panel order (Start/Stop first, the piece-size selectors last).
void drawButtons(Canvas& canvas, const AssetStore& assets, const GameState& game, const GameSettings& settings,
                 const PresentationState& view, const PanelLooks& looks);

// The status line of the status-bar text image when the status bar is shown,
// else the plain bottom bar.
void drawStatusArea(Canvas& canvas, const AssetStore& assets, const GameSettings& settings,
                    const PresentationState& view, const PanelLooks& looks);

}  // namespace tintfall
