// The settings the player changes from the control panel and the options
// sheet, through the game, which keeps a running game's rules as they are.
#include "engine/Game.h"
#include "engine/PlayedRules.h"

namespace tintfall {

namespace {

std::int32_t toggled(std::int32_t flag) { return flag != 0 ? 0 : 1; }

}  // namespace

void Game::chooseRule(RuleGroup group, int choice) {
    if (state_.gameRunning != 0 || choice < 0 || choice >= kRuleChoiceCount) return;
    storedRuleCode(settings_, group) = ruleCode(group, choice);
}

void Game::toggleBombs() {
    if (state_.gameRunning == 0) settings_.bombsEnabled = toggled(settings_.bombsEnabled);
}

void Game::toggleNextBar() { settings_.showNextBar = toggled(settings_.showNextBar); }

void Game::toggleStatusBar() { settings_.showStatusBar = toggled(settings_.showStatusBar); }

void Game::applyOptions(const GameSettings& chosen) {
    const GameSettings before = settings_;
    settings_ = chosen;
    if (state_.gameRunning == 0) return;
    settings_.gameMode = before.gameMode;
    settings_.colourCount = before.colourCount;
    settings_.blockCountCode = before.blockCountCode;
    settings_.bombsEnabled = before.bombsEnabled;
    settings_.startLevelIndex = before.startLevelIndex;
    // Keys and delays change a running game: its replay must know.
    recorder_.rulesChanged(settings_);
}

}  // namespace tintfall
