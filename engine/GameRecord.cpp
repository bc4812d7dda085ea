#include "engine/GameRecord.h"

#include "engine/PlayedRules.h"

namespace tintfall {

GameResult makeGameResult(const GameState& state, const GameSettings& settings) {
    GameResult result;
    result.name.clear();
    result.level = state.level;
    result.score = state.score;
    result.blocksRemoved = state.blocksRemoved;
    result.hasInfo = 1;
    result.startedText = state.stats.startedText;
    result.finishedText = state.stats.finishedText;
    result.gameSeconds = state.stats.gameSeconds;
    result.piecesCount = state.stats.piecesCount;
    result.bombsCount = state.stats.bombsCount;
    result.minDropSeconds = state.stats.minDropSeconds;
    result.maxDropSeconds = state.stats.maxDropSeconds;
    result.averageDropSeconds = state.stats.sumDropSeconds;
    // What was played, which a stored value out of range is not.
    result.bombsEnabled = playedBombs(settings);
    result.gameMode = playedGameMode(settings);
    result.colourCount = playedColourCount(settings);
    result.blockCountCode = playedBlockCountCode(settings);
    result.country = "Local";
    return result;
}

}  // namespace tintfall
