#include "server/judge/ReplayCheck.h"

#include "engine/ReplayFile.h"
#include "engine/ReplayRerun.h"

namespace tintfall {

ReplayVerdict checkRowReplay(const ScoreEntry& row, const std::optional<std::vector<std::uint8_t>>& replayFile) {
    if (!replayFile) return {false, "no replay sent"};
    const ReplayFileRead read = parseReplayFile(*replayFile);
    if (!read.ok()) return {false, "replay " + read.failure};
    const ReplayRerun rerun = rerunReplay(read.events);
    if (!rerun.ok) return {false, "replay refused: " + rerun.failure};
    const std::string field = firstDifferentField(row, rerun.result);
    if (!field.empty()) return {false, "the row's " + field + " is not the replay's"};
    return {true, {}};
}

}  // namespace tintfall
