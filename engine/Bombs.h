#pragma once
// How far down a bomb clears its target column.
#include <cstdint>

namespace tintfall {

// Rows cleared from the target row downwards, never past the floor row.
std::int32_t explosionDepth(std::int32_t kind, std::int32_t targetRow);

}  // namespace tintfall
