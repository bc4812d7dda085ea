#pragma once
// The vocabulary of the rules a game is played by, shared by the engine, the
// Game page, the control panel and the table server's judge: the stored codes
// of game mode, difficulty and piece size, the three choices each group
// offers, what a stored code plays as, and the number of levels.
//
// The options file and saved games are read without range checks. A code no
// game can be played with plays as its group's safe choice, and that choice
// is also the one the Game page checks and the panel lights, so what the
// player sees is what is played; the stored code itself stays as it is until
// the player chooses.
#include <cstdint>

namespace tintfall {

enum GameMode : std::int32_t { Classic = 0, Timer = 1, Rising = 2 };

// Difficulty is stored as the colour count.
enum Difficulty : std::int32_t { Easy = 4, Normal = 5, Hard = 6 };

// The kinds of falling piece. The stored blockCountCode is the kind of a
// game's normal pieces (0 three blocks, 1 two, 2 one).
enum PieceKind : std::int32_t {
    ThreeBlocks = 0,
    TwoBlocks = 1,
    OneBlock = 2,
    SmallBomb = 3,
    MediumBomb = 4,
    LargeBomb = 5,
};

// Levels 1..20; finishing the last wins. The start level is stored as an
// index 0..19.
constexpr std::int32_t kLevelCount = 20;

// The three groups of rule buttons. Each has three choices, in the order the
// Game page and the control panel show them: Classic, Timer, Rising; Easy,
// Normal, Hard; one, two, three blocks.
enum class RuleGroup { Mode, Difficulty, Blocks };
constexpr int kRuleChoiceCount = 3;

namespace rules_detail {
// Each group's codes in choice order, and the choice an unknown code plays as.
inline constexpr std::int32_t kCodes[][kRuleChoiceCount] = {
    {Classic, Timer, Rising}, {Easy, Normal, Hard}, {OneBlock, TwoBlocks, ThreeBlocks}};
inline constexpr int kSafeChoice[] = {0, 1, 2};

constexpr int knownChoice(RuleGroup group, std::int32_t code) {
    for (int choice = 0; choice < kRuleChoiceCount; ++choice)
        if (kCodes[static_cast<int>(group)][choice] == code) return choice;
    return -1;
}
}  // namespace rules_detail

// The code stored for choice 0..2 of a group.
constexpr std::int32_t ruleCode(RuleGroup group, int choice) {
    return rules_detail::kCodes[static_cast<int>(group)][choice];
}

// Whether a stored code is one of the group's three.
constexpr bool isKnownRuleCode(RuleGroup group, std::int32_t code) {
    return rules_detail::knownChoice(group, code) >= 0;
}

// The choice a stored code is played, shown and lit as: its own, or the
// group's safe choice (Classic; Normal, since a count of 0 or 1 would divide
// by zero and one above 6 would draw bomb colours into the board; three
// blocks) for any other code.
constexpr int ruleChoice(RuleGroup group, std::int32_t code) {
    const int choice = rules_detail::knownChoice(group, code);
    return choice >= 0 ? choice : rules_detail::kSafeChoice[static_cast<int>(group)];
}

// The code a stored code plays as.
constexpr std::int32_t playedRuleCode(RuleGroup group, std::int32_t code) {
    return ruleCode(group, ruleChoice(group, code));
}

// The start level index a stored one plays as: level 1 outside 0..19.
constexpr std::int32_t playedStartLevelIndex(std::int32_t index) {
    return index >= 0 && index < kLevelCount ? index : 0;
}

}  // namespace tintfall
