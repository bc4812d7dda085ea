#include "server/judge/Qualifying.h"

#include "scores/ScoreBook.h"

namespace tintfall {

namespace {

constexpr std::int32_t kClassicMode = 0;
constexpr std::int32_t kNormalColours = 5;
constexpr std::int32_t kHardColours = 6;
constexpr std::int32_t kThreeBlocks = 0;

}  // namespace

bool meetsConditions(const ScoreEntry& row) {
    return row.hasInfo == 1 && row.gameMode == kClassicMode &&
           (row.colourCount == kNormalColours || row.colourCount == kHardColours) && row.blockCountCode == kThreeBlocks;
}

std::optional<ScoreEntry> bestQualifyingRow(const UploadRecord& record) {
    const ScoreEntry* best = nullptr;
    for (const ScoreEntry& row : record.rows) {
        if (meetsConditions(row) && (best == nullptr || ranksAbove(row, *best))) best = &row;
    }
    if (best == nullptr) return std::nullopt;
    ScoreEntry shown = *best;
    shown.name = record.playerName;
    shown.country = record.country;
    return shown;
}

}  // namespace tintfall
