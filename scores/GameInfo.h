#pragma once
// The "Game Info" message of one best-score row.
#include <string>

#include "scores/ScoreEntry.h"

namespace tintfall {

struct GameInfoText {
    std::string title;
    std::string body;  // lines joined by '\n'
};

GameInfoText gameInfoText(const ScoreEntry& entry);

}  // namespace tintfall
