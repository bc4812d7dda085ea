#pragma once
// The replays of the rows of the local tables, kept beside "data.tft" while
// their row stays in its table. A replay is named after its row's game (what
// the game recorded, not the name the player gave it), so it follows the row
// wherever the row moves in its table; "data.tft" itself stays as it is.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ReplayFile.h"
#include "platform/Files.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

// "data.tft.<16 hex digits>.tfr" in folder.
std::string rowReplayPath(const std::string& folder, const ScoreEntry& row);

bool keepRowReplay(Files& files, const std::string& folder, const ScoreEntry& row,
                   const std::vector<std::uint8_t>& events);
bool hasRowReplay(Files& files, const std::string& folder, const ScoreEntry& row);
// The row's replay through the bounded reader; failed with the reason when
// it is missing or does not read.
ReplayFileRead readRowReplay(Files& files, const std::string& folder, const ScoreEntry& row);

// The rows of the three local tables as "data.tft" holds them now (none when
// it does not load).
std::vector<ScoreEntry> localTableRows(Files& files, const std::string& folder);
// Removes the replay of every row of `rows` that the local tables no longer
// hold (cleared, or pushed out by a better one).
void removeLeftRowReplays(Files& files, const std::string& folder, const std::vector<ScoreEntry>& rows);

}  // namespace tintfall
