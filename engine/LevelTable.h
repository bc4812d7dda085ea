#pragma once
// What each of the 20 levels asks: fall speed, block quota, Rising countdown.
#include <cstdint>

#include "engine/Rules.h"

namespace tintfall {

struct LevelRow {
    std::int32_t fallInterval;   // ms between gravity steps
    std::int32_t quota;          // blocks to remove to finish the level
    std::int32_t riseCountdown;  // Rising mode: countdown maximum and start value
};

// The row of level 1..20; levels outside that range get the nearest row.
const LevelRow& levelRow(std::int32_t level);

}  // namespace tintfall
