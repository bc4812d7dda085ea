#pragma once
// A table row of a played game as the tests enter it: mode, score, level,
// blocks removed and name as given, with a Game Info record and the country
// of a local game.
#include <cstdint>
#include <string>

#include "scores/ScoreEntry.h"

namespace tintfall {

ScoreEntry playedEntry(std::int32_t mode, std::int32_t score, std::int32_t level, std::int32_t blocks,
                       const std::string& name = "Player");

}  // namespace tintfall
