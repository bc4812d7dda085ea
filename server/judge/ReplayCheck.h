#pragma once
// The judge's check of a row against the replay sent with it: the replay is
// read within its limits and re-run by the program's own engine, and the
// row counts as verified only when the re-run game ends with every field of
// the row as sent. The replay proves that the rules produce the row from
// its inputs; it cannot prove who (or what) made the inputs.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scores/ScoreEntry.h"

namespace tintfall {

struct ReplayVerdict {
    bool verified = false;
    std::string refusal;  // why not, when not verified
};

// replayFile: the bytes sent for the row; nothing when none was sent.
ReplayVerdict checkRowReplay(const ScoreEntry& row, const std::optional<std::vector<std::uint8_t>>& replayFile);

}  // namespace tintfall
