#include "tests/support/PlayedEntry.h"

namespace tintfall {

ScoreEntry playedEntry(std::int32_t mode, std::int32_t score, std::int32_t level, std::int32_t blocks,
                       const std::string& name) {
    ScoreEntry entry;
    entry.name = name;
    entry.gameMode = mode;
    entry.score = score;
    entry.level = level;
    entry.blocksRemoved = blocks;
    entry.hasInfo = 1;
    entry.country = "Local";
    return entry;
}

}  // namespace tintfall
