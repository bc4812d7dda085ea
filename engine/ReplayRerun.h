#pragma once
// Re-running a replay without a window, and comparing the result with the
// row it should reproduce.
#include <cstdint>
#include <string>
#include <vector>

#include "scores/ScoreEntry.h"

namespace tintfall {

struct ReplayRerun {
    bool ok = false;
    std::string failure;  // why not, when not ok
    ScoreEntry result;    // name empty, country "Local"
    std::uint64_t ticks = 0;
    std::int64_t clockMilliseconds = 0;  // the game's clock over the whole replay
};

// The event stream of a whole game, played to its end.
ReplayRerun rerunReplay(const std::vector<std::uint8_t>& events);

// The name of the first field of the game's record where the row and the
// re-run result differ (the player's name and country are not the game's);
// empty when every field matches.
std::string firstDifferentField(const ScoreEntry& row, const ScoreEntry& replayed);

}  // namespace tintfall
