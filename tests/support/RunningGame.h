#pragma once
// A game in progress set straight into the state, for drawing it: the
// three-block piece of colours 0, 1 and 2 in column 2, the next piece of
// colours 3, 4 and 5, a level quota of 20 and no countdowns.
#include "engine/GameState.h"

namespace tintfall {

void setRunningGame(GameState& game, std::int32_t level, std::int32_t pieceRow);

// The last level with three blocks left to clear: the three-block piece of
// colours 0, 1 and 2 completes a row of three on the floor when dropped in
// the first column.
void setOneDropFromWinning(GameState& game);

}  // namespace tintfall
