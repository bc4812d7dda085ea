#pragma once
// Finding the runs of three or more equal colours on the board.
#include <array>
#include <cstdint>

#include "engine/GameState.h"

namespace tintfall {

constexpr std::int32_t kRemoveCell = 0;  // removeMark: cell to be removed
constexpr std::int32_t kUnmarked = 100;

// The removal marks, a grid of the board's shape and layout.
using MarkGrid = std::array<std::int32_t, kColumns * kRows>;

// Marks in removeMark (kRemoveCell) every cell of every run of 3 or more in
// the four directions and returns how many cells are marked; a cell in two
// runs counts once.
std::int32_t markRuns(const GameBoard& board, MarkGrid& removeMark);

}  // namespace tintfall
