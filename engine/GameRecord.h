#pragma once
// The record of a finished game that goes to the best-score tables.
#include "engine/GameState.h"
#include "scores/ScoreEntry.h"
#include "settings/GameSettings.h"

namespace tintfall {

// Name left empty for the name prompt; call after the end-of-game averaging.
GameResult makeGameResult(const GameState& state, const GameSettings& settings);

}  // namespace tintfall
