#pragma once
// A game in progress to look at when no saved game is given: a few settled
// stacks, a falling piece in view, the next piece and every number display.
#include "engine/GameState.h"
#include "settings/GameSettings.h"

namespace tintfall {

void makeDemoGame(GameState& game, GameSettings& settings);

}  // namespace tintfall
