#include "engine/ReplayRerun.h"

#include "engine/ReplayPlayer.h"

namespace tintfall {

ReplayRerun rerunReplay(const std::vector<std::uint8_t>& events) {
    ReplayPlayer player(events);
    player.runToEnd();
    ReplayRerun run;
    run.ticks = player.ticks();
    run.clockMilliseconds = player.clockMilliseconds();
    if (player.failed()) {
        run.failure = player.failure();
    } else if (!player.result()) {
        run.failure = "the replay ends before its game does";
    } else {
        run.ok = true;
        run.result = *player.result();
    }
    return run;
}

std::string firstDifferentField(const ScoreEntry& row, const ScoreEntry& replayed) {
    const std::pair<const char*, bool> fields[] = {
        {"score", row.score == replayed.score},
        {"level", row.level == replayed.level},
        {"blocks removed", row.blocksRemoved == replayed.blocksRemoved},
        {"game info", row.hasInfo == replayed.hasInfo},
        {"start", row.startedText == replayed.startedText},
        {"end", row.finishedText == replayed.finishedText},
        {"game seconds", row.gameSeconds == replayed.gameSeconds},
        {"pieces", row.piecesCount == replayed.piecesCount},
        {"bombs", row.bombsCount == replayed.bombsCount},
        {"shortest drop", row.minDropSeconds == replayed.minDropSeconds},
        {"longest drop", row.maxDropSeconds == replayed.maxDropSeconds},
        {"average drop", row.averageDropSeconds == replayed.averageDropSeconds},
        {"bombs setting", row.bombsEnabled == replayed.bombsEnabled},
        {"mode", row.gameMode == replayed.gameMode},
        {"difficulty", row.colourCount == replayed.colourCount},
        {"piece size", row.blockCountCode == replayed.blockCountCode},
    };
    for (const auto& [name, same] : fields)
        if (!same) return name;
    return {};
}

}  // namespace tintfall
