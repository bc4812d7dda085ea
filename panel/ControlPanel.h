#pragma once
// The control panel's behaviour: hover and pressed looks, the cursor, the
// status line and the action of each button. Rendering reads its looks; the
// window passes its mouse messages in.
#include <array>
#include <cstdint>

#include "panel/PanelCommands.h"
#include "panel/PanelGeometry.h"
#include "panel/PanelLooks.h"

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

    const PanelLooks& looks() const { return looks_; }

private:
    void runAction(PanelButton button);

    Game& game_;
    GameHost& host_;
    PanelCommands& commands_;
    PanelGeometry geometry_;
    PanelLooks looks_;
};

}  // namespace tintfall
