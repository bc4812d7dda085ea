#pragma once
// What the mouse has done to the control panel: each button's look and the
// status line. The control panel changes it; rendering reads it as it draws.
#include <array>
#include <cstdint>

#include "panel/PanelGeometry.h"

namespace tintfall {

struct PanelLooks {
    // 0 normal, 1 the mouse is over it, 2 pressed.
    PerPanelButton<std::int32_t> buttonState{};
    // The hotspot the mouse was last over (1..30), 0 when over none.
    std::int32_t statusLine = 0;
};

}  // namespace tintfall
