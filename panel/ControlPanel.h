#pragma once
// The control panel's behaviour: hover and pressed looks, the cursor, the
// status line and the action of each button. Rendering reads buttonState
// and statusLine; the window passes its mouse messages in.
#include <array>
#include <cstdint>

#include "panel/PanelCommands.h"
#include "panel/PanelGeometry.h"

namespace tintfall {

class Game;
class GameHost;

class ControlPanel {
public:
    // The help context the right mouse button opens.
    static constexpr int kPanelHelpContext = 10;

    ControlPanel(Game& game, GameHost& host, PanelCommands& commands);

    // The rectangles of the effective window size; set again on a size change.
    void setGeometry(const PanelGeometry& geometry) { geometry_ = geometry; }
    const PanelGeometry& geometry() const { return geometry_; }

    void onMouseMove(int x, int y);
    void onLeftButtonDown(int x, int y);
    void onLeftButtonUp(int x, int y);
    void onRightButtonUp();

    bool enabled(PanelButton button) const;

    // 0 normal, 1 the mouse is over it, 2 pressed.
    std::array<std::int32_t, kPanelButtonCount> buttonState{};
    // The hotspot the mouse was last over (1..30), 0 when over none.
    std::int32_t statusLine = 0;

private:
    void runAction(PanelButton button);

    Game& game_;
    GameHost& host_;
    PanelCommands& commands_;
    PanelGeometry geometry_;
};

}  // namespace tintfall
