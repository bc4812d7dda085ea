#include "scores/GameInfo.h"

#include <cstdio>

namespace tintfall {

namespace {

// Each value carries its own line break, so an unknown value leaves the
// label with no break and the next line follows on the same line.
std::string gameModeValue(std::int32_t mode) {
    switch (mode) {
        case 0: return "Classic\n";
        case 1: return "Timer\n";
        case 2: return "Rising\n";
        default: return "";
    }
}

std::string difficultyValue(std::int32_t colourCount) {
    switch (colourCount) {
        case 4: return "Easy\n";
        case 5: return "Normal\n";
        case 6: return "Hard\n";
        default: return "";
    }
}

std::string blockCountValue(std::int32_t code) {
    switch (code) {
        case 0: return "3 blocks\n";
        case 1: return "2 blocks\n";
        case 2: return "1 block\n";
        default: return "";
    }
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
    b += "Game mode: " + gameModeValue(e.gameMode);
    b += "Difficulty: " + difficultyValue(e.colourCount);
    b += "Number of blocks: " + blockCountValue(e.blockCountCode);
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
