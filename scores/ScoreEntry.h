#pragma once
// One row of a best-score table, in the field order every table file stores.
// A finished game's record (GameResult) is such a row.
#include <cstdint>
#include <string>

namespace tintfall {

struct ScoreEntry {
    std::string name = "Empty";
    std::int32_t level = 0;
    std::int32_t score = 0;
    std::int32_t blocksRemoved = 0;
    std::int32_t hasInfo = 0;
    std::string startedText;
    std::string finishedText;
    std::int32_t gameSeconds = 0;
    std::int32_t piecesCount = 0;
    std::int32_t bombsCount = 0;
    std::int32_t minDropSeconds = 0;
    std::int32_t maxDropSeconds = 0;
    std::int32_t averageDropSeconds = 0;
    std::int32_t bombsEnabled = 0;
    std::int32_t gameMode = 0;
    std::int32_t colourCount = 0;
    std::int32_t blockCountCode = 0;
    std::string country;
};

using GameResult = ScoreEntry;

}  // namespace tintfall
