#include "server/judge/Qualifying.h"

#include "engine/Rules.h"
#include "scores/ScoreBook.h"

namespace tintfall {

bool meetsConditions(const ScoreEntry& row) {
    return row.hasInfo == 1 && row.gameMode == Classic && (row.colourCount == Normal || row.colourCount == Hard) &&
           row.blockCountCode == ThreeBlocks;
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
