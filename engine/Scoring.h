#pragma once
// The points, seconds and bomb tables of a landing, as plain functions.
#include <cstdint>

namespace tintfall {

constexpr std::int32_t kCounterCap = 2000000000;
constexpr std::int32_t kMaxTimeLeft = 3599;  // the time display shows at most 59:59

// Adds to a counter only while it is below the cap (score, blocksRemoved).
void addCapped(std::int32_t& counter, std::int32_t amount);

// Points for the number of removal waves of one cascade (0 for a single wave).
std::int32_t chainPoints(std::int32_t chainLength);
// Points for the blocks removed by one cascade (0 below 3).
std::int32_t removedBlocksPoints(std::int32_t removed);

// Timer mode: seconds won by the waves and by the blocks of one cascade.
std::int32_t chainSeconds(std::int32_t chainLength);
std::int32_t removedBlocksSeconds(std::int32_t removed);

// The piece kind that follows a cascade with bombs on: a bomb for more than
// 3 removed blocks, otherwise -1 (a normal piece follows).
std::int32_t bombKindAfter(std::int32_t removed);

// Rising mode: how a landing's removed blocks change the countdown.
std::int32_t riseCountdownChange(std::int32_t removed);

}  // namespace tintfall
