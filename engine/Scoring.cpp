#include "engine/Scoring.h"

#include <array>

#include "engine/GameState.h"

namespace tintfall {

namespace {

// Looks up table[value - first], clamping to the last entry; 0 below first.
template <std::size_t N>
std::int32_t fromTable(const std::array<std::int32_t, N>& table, std::int32_t value, std::int32_t first) {
    if (value < first) return 0;
    const auto index = static_cast<std::size_t>(value - first);
    return index < N ? table[index] : table[N - 1];
}

}  // namespace

void addCapped(std::int32_t& counter, std::int32_t amount) {
    if (counter < kCounterCap) counter += amount;
}

std::int32_t chainPoints(std::int32_t chainLength) {
    static const std::array<std::int32_t, 5> points{150, 500, 1000, 4000, 8000};
    return fromTable(points, chainLength, 2);
}

std::int32_t removedBlocksPoints(std::int32_t removed) {
    static const std::array<std::int32_t, 10> points{100, 200, 300, 600, 900, 1500, 3000, 5000, 7500, 10000};
    return fromTable(points, removed, 3);
}

std::int32_t chainSeconds(std::int32_t chainLength) {
    static const std::array<std::int32_t, 5> seconds{3, 4, 6, 8, 15};
    return fromTable(seconds, chainLength, 2);
}

std::int32_t removedBlocksSeconds(std::int32_t removed) {
    static const std::array<std::int32_t, 10> seconds{1, 2, 3, 5, 8, 10, 12, 14, 17, 20};
    return fromTable(seconds, removed, 3);
}

std::int32_t bombKindAfter(std::int32_t removed) {
    if (removed >= 9) return LargeBomb;
    if (removed >= 6) return MediumBomb;
    if (removed >= 4) return SmallBomb;
    return -1;
}

std::int32_t riseCountdownChange(std::int32_t removed) {
    static const std::array<std::int32_t, 7> change{-1, 0, 1, 3, 4, 6, 8};
    if (removed < 3) return -2;
    return fromTable(change, removed, 3);
}

}  // namespace tintfall
