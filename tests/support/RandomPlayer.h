#pragma once
// A simple player for whole headless games: for every new piece it picks a
// column (mostly the lowest stack) and a number of turns at random, walks the piece there one key tap
// per tick and then drops it (or lets it fall, when dropping is off).
#include <cstdint>
#include <random>

#include "engine/GameState.h"

namespace tintfall {

class GameDriver;

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed, bool dropPieces = true) : random_(seed), dropPieces_(dropPieces) {}

    // Releases the key of the last tick and presses the next one.
    void operator()(GameDriver& driver);

private:
    void planNextPiece(const GameBoard& board);

    std::mt19937 random_;
    bool dropPieces_;
    std::int32_t heldKey_ = -1;
    std::int32_t landedSeen_ = -1;
    int targetColumn_ = 2;
    int turnsLeft_ = 0;
    int lastColumn_ = -1;
    bool done_ = false;
};

}  // namespace tintfall
