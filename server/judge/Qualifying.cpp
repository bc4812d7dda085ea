#include "server/judge/Qualifying.h"

#include "scores/ScoreBook.h"

namespace tintfall {

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
