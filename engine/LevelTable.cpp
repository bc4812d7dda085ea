#include "engine/LevelTable.h"

#include <array>

namespace tintfall {

const LevelRow& levelRow(std::int32_t level) {
    static const std::array<LevelRow, kLevelCount> rows{{
        {1000, 40, 7}, {850, 45, 7}, {700, 50, 7}, {600, 55, 7}, {500, 60, 8},
        {440, 65, 8},  {380, 70, 8}, {340, 75, 8}, {300, 80, 8}, {270, 85, 9},
        {240, 90, 9},  {210, 90, 9}, {190, 87, 9}, {175, 85, 9}, {160, 82, 9},
        {150, 80, 10}, {140, 77, 10}, {130, 75, 10}, {120, 72, 10}, {110, 70, 10},
    }};
    if (level < 1) level = 1;
    if (level > kLevelCount) level = kLevelCount;
    return rows[static_cast<std::size_t>(level - 1)];
}

}  // namespace tintfall
