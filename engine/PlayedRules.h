#pragma once
// The rules a game with these settings is played by, in the vocabulary of
// engine/Rules.h; the record of the game names what was played.
#include <cstdint>

#include "engine/Rules.h"
#include "settings/GameSettings.h"

namespace tintfall {

// The setting that stores the code of each group of rule buttons, indexed by
// RuleGroup.
inline constexpr std::int32_t GameSettings::*kRuleSettings[] = {&GameSettings::gameMode, &GameSettings::colourCount,
                                                                 &GameSettings::blockCountCode};

inline std::int32_t& storedRuleCode(GameSettings& settings, RuleGroup group) {
    return settings.*kRuleSettings[static_cast<int>(group)];
}
inline std::int32_t storedRuleCode(const GameSettings& settings, RuleGroup group) {
    return settings.*kRuleSettings[static_cast<int>(group)];
}

std::int32_t playedGameMode(const GameSettings& settings);
std::int32_t playedColourCount(const GameSettings& settings);
std::int32_t playedBlockCountCode(const GameSettings& settings);
// 0 or 1.
std::int32_t playedBombs(const GameSettings& settings);

}  // namespace tintfall
