#include "engine/Rules.h"

#include <array>

namespace tintfall {

namespace {

using Codes = std::array<std::int32_t, kRuleChoiceCount>;

const Codes& codesOf(RuleGroup group) {
    static const Codes mode{Classic, Timer, Rising};
    static const Codes difficulty{Easy, Normal, Hard};
    static const Codes blocks{OneBlock, TwoBlocks, ThreeBlocks};
    switch (group) {
        case RuleGroup::Mode: return mode;
        case RuleGroup::Difficulty: return difficulty;
        case RuleGroup::Blocks: break;
    }
    return blocks;
}

int safeChoice(RuleGroup group) {
    switch (group) {
        case RuleGroup::Mode: return 0;        // Classic
        case RuleGroup::Difficulty: return 1;  // Normal
        case RuleGroup::Blocks: break;
    }
    return 2;  // three blocks
}

int knownChoice(RuleGroup group, std::int32_t code) {
    const Codes& codes = codesOf(group);
    for (int choice = 0; choice < kRuleChoiceCount; ++choice)
        if (codes[static_cast<std::size_t>(choice)] == code) return choice;
    return -1;
}

}  // namespace

std::int32_t ruleCode(RuleGroup group, int choice) {
    return codesOf(group)[static_cast<std::size_t>(choice)];
}

bool isKnownRuleCode(RuleGroup group, std::int32_t code) { return knownChoice(group, code) >= 0; }

int ruleChoice(RuleGroup group, std::int32_t code) {
    const int choice = knownChoice(group, code);
    return choice >= 0 ? choice : safeChoice(group);
}

}  // namespace tintfall
