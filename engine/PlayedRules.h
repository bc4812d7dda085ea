#pragma once
// The rules a game is played by. The options file and saved games are read
// without range checks; a stored value no game can be played with is played
// as a safe one, and the record of the game names what was played.
#include <cstdint>

#include "settings/GameSettings.h"

namespace tintfall {

// Classic for a mode other than Classic, Timer or Rising.
std::int32_t playedGameMode(const GameSettings& settings);
// Normal outside Easy..Hard: a count of 0 or 1 would divide by zero or never
// finish a Rising row, one above 6 would draw bomb colours into the board.
std::int32_t playedColourCount(const GameSettings& settings);
// Three-block pieces for a code other than 0, 1 or 2 (the code is the piece
// kind of the game's normal pieces).
std::int32_t playedBlockCountCode(const GameSettings& settings);
// 0 or 1.
std::int32_t playedBombs(const GameSettings& settings);

}  // namespace tintfall
