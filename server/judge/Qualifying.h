#pragma once
// The row of an upload the internet table ranks.
#include <optional>

#include "net/TableConditions.h"
#include "net/UploadFile.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

// The upload's best row that meets the conditions, by the ranking rule (of
// equal rows the higher place), shown under the sender's playerName and
// country; nothing when no row qualifies.
std::optional<ScoreEntry> bestQualifyingRow(const UploadRecord& record);

}  // namespace tintfall
