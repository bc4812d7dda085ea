#include "engine/PlayedRules.h"

#include "engine/GameState.h"

namespace tintfall {

std::int32_t playedGameMode(const GameSettings& settings) {
    const std::int32_t mode = settings.gameMode;
    return mode == Timer || mode == Rising ? mode : Classic;
}

std::int32_t playedColourCount(const GameSettings& settings) {
    const std::int32_t count = settings.colourCount;
    return count >= Easy && count <= Hard ? count : Normal;
}

std::int32_t playedBlockCountCode(const GameSettings& settings) {
    const std::int32_t code = settings.blockCountCode;
    return code >= ThreeBlocks && code <= OneBlock ? code : ThreeBlocks;
}

std::int32_t playedBombs(const GameSettings& settings) { return settings.bombsEnabled != 0 ? 1 : 0; }

}  // namespace tintfall
