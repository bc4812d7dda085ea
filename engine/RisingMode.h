#pragma once
// The row of random blocks that Rising mode pushes in from below.
#include <array>
#include <cstdint>

#include "engine/GameState.h"

namespace tintfall {

using RisingRow = std::array<std::int32_t, kColumns>;

// Six colours, left to right; a colour equal to the two before it is drawn
// again, so the row never holds three equal colours side by side.
RisingRow drawRisingRow(RandomGenerator& random, std::int32_t colourCount);

// Shifts every column up one row (row 0 is lost) and writes the row into
// the floor row. True when a block now lies in the hidden rows.
bool pushRowIntoBoard(GameBoard& board, const RisingRow& row);

}  // namespace tintfall
