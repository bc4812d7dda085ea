#pragma once
// Which results the internet table takes: the three conditions the Send
// Result dialog shows ("Conditions !"): Classic, Normal or Hard, three blocks.
// The program sends the replays of these rows and the judge ranks only them.
#include "scores/ScoreEntry.h"

namespace tintfall {

// A real result (hasInfo 1) of game mode Classic, with 5 or 6 colours and
// pieces of three blocks.
bool meetsConditions(const ScoreEntry& row);

}  // namespace tintfall
