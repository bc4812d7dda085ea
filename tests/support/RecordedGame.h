#pragma once
// A whole Classic game played headless by the random player, with the row it
// ends in and its replay: the same game every time for the same seed.
#include <cstdint>
#include <vector>

#include "scores/ScoreEntry.h"
#include "tests/support/GameDriver.h"

namespace tintfall {

struct RecordedGame {
    ScoreEntry row;
    std::vector<std::uint8_t> events;
};

// tickMilliseconds below the usual tick slows the game's clock against its
// ticks; pieces are dropped or left to fall.
RecordedGame playRecordedGame(std::uint32_t seed, std::uint32_t tickMilliseconds = GameDriver::kTickMilliseconds,
                              bool dropPieces = true);

}  // namespace tintfall
