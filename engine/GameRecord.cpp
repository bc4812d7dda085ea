#include "engine/GameRecord.h"

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
    result.bombsEnabled = settings.bombsEnabled;
    result.gameMode = settings.gameMode;
    result.colourCount = settings.colourCount;
    result.blockCountCode = settings.blockCountCode;
    result.country = "Local";
    return result;
}

}  // namespace tintfall
