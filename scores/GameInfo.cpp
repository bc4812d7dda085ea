#include "scores/GameInfo.h"

#include <cstdio>

#include "engine/Rules.h"

namespace tintfall {

namespace {

// Each value carries its own line break, so an unknown code leaves the
// label with no break and the next line follows on the same line.
std::string ruleValue(RuleGroup group, std::int32_t code) {
    // By group, in choice order.
    static const char* const kNames[][kRuleChoiceCount] = {
        {"Classic", "Timer", "Rising"}, {"Easy", "Normal", "Hard"}, {"1 block", "2 blocks", "3 blocks"}};
    if (!isKnownRuleCode(group, code)) return "";
    return std::string(kNames[static_cast<int>(group)][ruleChoice(group, code)]) + "\n";
}

std::string gameTimeValue(std::int32_t gameSeconds) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", gameSeconds / 3600, gameSeconds % 3600 / 60,
                  gameSeconds % 60);
    return buffer;
}

}  // namespace

GameInfoText gameInfoText(const ScoreEntry& e) {
    GameInfoText info;
    info.title = "Game Info: " + e.name;
    std::string& b = info.body;
    b += "Name: " + e.name + "\n";
    b += "Country: " + e.country + "\n";
    b += "Game mode: " + ruleValue(RuleGroup::Mode, e.gameMode);
    b += "Difficulty: " + ruleValue(RuleGroup::Difficulty, e.colourCount);
    b += "Number of blocks: " + ruleValue(RuleGroup::Blocks, e.blockCountCode);
    b += "Time of Game: " + gameTimeValue(e.gameSeconds) + "\n";
    b += "\n";
    b += "Started: " + e.startedText + "\n";
    b += "Scores: " + std::to_string(e.score) + "\n";
    b += "Level: " + std::to_string(e.level) + "\n";
    b += "Blocks: " + std::to_string(e.blocksRemoved) + "\n";
    b += "Amount of pieces: " + std::to_string(e.piecesCount) + "\n";
    b += e.bombsEnabled != 0 ? "Bombs in the game: YES\n" : "Bombs in the game: NO\n";
    b += "Amount of Bombs: " + std::to_string(e.bombsCount) + "\n";
    b += "Mimimum drop time of Tetris piece (seconds): " + std::to_string(e.minDropSeconds) + "\n";
    b += "Maximum drop time of Tetris piece (seconds): " + std::to_string(e.maxDropSeconds) + "\n";
    b += "Average drop time of Tetris piece (seconds): " + std::to_string(e.averageDropSeconds) + "\n";
    b += "Finished: " + e.finishedText;
    return info;
}

}  // namespace tintfall
