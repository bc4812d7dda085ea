#pragma once
// One settling pass: every run of blocks above a gap falls by one row.
#include <cstdint>

#include "engine/GameState.h"

namespace tintfall {

struct SettlePass {
    bool moved = false;
    std::int32_t blocksAtRest = 0;  // blocks that came to rest in this pass
};

// Scans the visible rows of each column from the top; blocks in the hidden
// rows never fall.
SettlePass settleOnePass(GameBoard& board);

// The BlockDown slot for the number of blocks that came to rest, or -1 for none.
int blockDownSlot(std::int32_t blocksAtRest);

}  // namespace tintfall
