#pragma once
// Which results the internet table takes: the three conditions the Send
// Result dialog shows ("Conditions !"): Classic, Normal or Hard, three blocks.
#include <optional>

#include "net/UploadFile.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

// A real result (hasInfo 1) of game mode Classic, with 5 or 6 colours and
// pieces of three blocks.
bool meetsConditions(const ScoreEntry& row);

// The upload's best row that meets the conditions, by the ranking rule (of
// equal rows the higher place), shown under the sender's playerName and
// country; nothing when no row qualifies.
std::optional<ScoreEntry> bestQualifyingRow(const UploadRecord& record);

}  // namespace tintfall
