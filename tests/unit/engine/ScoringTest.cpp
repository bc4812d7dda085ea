#include <gtest/gtest.h>

#include "engine/LevelTable.h"
#include "engine/Scoring.h"
#include "engine/GameState.h"

namespace tintfall {
namespace {

TEST(Scoring, CascadeLengthPointsStartAtTwoWavesAndStopGrowingAtSix) {
    EXPECT_EQ(chainPoints(0), 0);
    EXPECT_EQ(chainPoints(1), 0);
    EXPECT_EQ(chainPoints(2), 150);
    EXPECT_EQ(chainPoints(3), 500);
    EXPECT_EQ(chainPoints(4), 1000);
    EXPECT_EQ(chainPoints(5), 4000);
    EXPECT_EQ(chainPoints(6), 8000);
    EXPECT_EQ(chainPoints(40), 8000);
}

TEST(Scoring, RemovedBlockPointsFromThreeToTwelveOrMore) {
    EXPECT_EQ(removedBlocksPoints(0), 0);
    EXPECT_EQ(removedBlocksPoints(2), 0);
    const std::int32_t expected[] = {100, 200, 300, 600, 900, 1500, 3000, 5000, 7500, 10000};
    for (int removed = 3; removed <= 12; ++removed) EXPECT_EQ(removedBlocksPoints(removed), expected[removed - 3]) << removed;
    EXPECT_EQ(removedBlocksPoints(90), 10000);
}

TEST(Scoring, TimerBonusSeconds) {
    EXPECT_EQ(chainSeconds(1), 0);
    EXPECT_EQ(chainSeconds(2), 3);
    EXPECT_EQ(chainSeconds(3), 4);
    EXPECT_EQ(chainSeconds(4), 6);
    EXPECT_EQ(chainSeconds(5), 8);
    EXPECT_EQ(chainSeconds(6), 15);
    EXPECT_EQ(chainSeconds(9), 15);
    EXPECT_EQ(removedBlocksSeconds(2), 0);
    const std::int32_t expected[] = {1, 2, 3, 5, 8, 10, 12, 14, 17, 20};
    for (int removed = 3; removed <= 12; ++removed) EXPECT_EQ(removedBlocksSeconds(removed), expected[removed - 3]) << removed;
    EXPECT_EQ(removedBlocksSeconds(30), 20);
}

TEST(Scoring, CountersTakeNoAdditionsOnceAtTheCap) {
    std::int32_t counter = kCounterCap - 1;
    addCapped(counter, 10);
    EXPECT_EQ(counter, kCounterCap + 9);  // the last addition below the cap is whole
    addCapped(counter, 10);
    EXPECT_EQ(counter, kCounterCap + 9);
    std::int32_t atCap = kCounterCap;
    addCapped(atCap, 1);
    EXPECT_EQ(atCap, kCounterCap);
}

TEST(Scoring, BombKindByBlocksRemoved) {
    EXPECT_EQ(bombKindAfter(0), -1);
    EXPECT_EQ(bombKindAfter(3), -1);
    EXPECT_EQ(bombKindAfter(4), SmallBomb);
    EXPECT_EQ(bombKindAfter(5), SmallBomb);
    EXPECT_EQ(bombKindAfter(6), MediumBomb);
    EXPECT_EQ(bombKindAfter(8), MediumBomb);
    EXPECT_EQ(bombKindAfter(9), LargeBomb);
    EXPECT_EQ(bombKindAfter(12), LargeBomb);
}

TEST(Scoring, RiseCountdownChange) {
    EXPECT_EQ(riseCountdownChange(0), -2);
    EXPECT_EQ(riseCountdownChange(3), -1);
    EXPECT_EQ(riseCountdownChange(4), 0);
    EXPECT_EQ(riseCountdownChange(5), 1);
    EXPECT_EQ(riseCountdownChange(6), 3);
    EXPECT_EQ(riseCountdownChange(7), 4);
    EXPECT_EQ(riseCountdownChange(8), 6);
    EXPECT_EQ(riseCountdownChange(9), 8);
    EXPECT_EQ(riseCountdownChange(25), 8);
}

TEST(LevelTable, SpeedsQuotasAndCountdownsAtTheTurningPoints) {
    EXPECT_EQ(levelRow(1).fallInterval, 1000);
    EXPECT_EQ(levelRow(1).quota, 40);
    EXPECT_EQ(levelRow(1).riseCountdown, 7);
    EXPECT_EQ(levelRow(4).riseCountdown, 7);
    EXPECT_EQ(levelRow(5).riseCountdown, 8);
    EXPECT_EQ(levelRow(8).fallInterval, 340);
    EXPECT_EQ(levelRow(8).quota, 75);
    EXPECT_EQ(levelRow(10).riseCountdown, 9);
    EXPECT_EQ(levelRow(11).quota, 90);
    EXPECT_EQ(levelRow(12).quota, 90);
    EXPECT_EQ(levelRow(13).quota, 87);
    EXPECT_EQ(levelRow(16).riseCountdown, 10);
    EXPECT_EQ(levelRow(20).fallInterval, 110);
    EXPECT_EQ(levelRow(20).quota, 70);
}

TEST(LevelTable, FallIntervalShrinksAtEveryLevel) {
    for (int level = 2; level <= kLastLevel; ++level)
        EXPECT_LT(levelRow(level).fallInterval, levelRow(level - 1).fallInterval) << level;
}

TEST(LevelTable, LevelsOutsideTheTableGetTheNearestRow) {
    EXPECT_EQ(&levelRow(0), &levelRow(1));
    EXPECT_EQ(&levelRow(21), &levelRow(20));
}

TEST(RandomGenerator, FollowsTheKnownSequenceFromASeed) {
    RandomGenerator random;
    random.seed(1);
    const std::int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (std::int32_t value : expected) EXPECT_EQ(random.next(), value);
}

}  // namespace
}  // namespace tintfall
