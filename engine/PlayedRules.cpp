#include "engine/PlayedRules.h"

namespace tintfall {

std::int32_t playedGameMode(const GameSettings& settings) {
    return playedRuleCode(RuleGroup::Mode, settings.gameMode);
}

std::int32_t playedColourCount(const GameSettings& settings) {
    return playedRuleCode(RuleGroup::Difficulty, settings.colourCount);
}

std::int32_t playedBlockCountCode(const GameSettings& settings) {
    return playedRuleCode(RuleGroup::Blocks, settings.blockCountCode);
}

std::int32_t playedBombs(const GameSettings& settings) { return settings.bombsEnabled != 0 ? 1 : 0; }

}  // namespace tintfall
