#include <gtest/gtest.h>

#include "engine/LevelTable.h"
#include "engine/Scoring.h"
#include "engine/GameState.h"
#include "tests/unit/engine/ResultTable.h"

namespace tintfall {
namespace {

TEST(Scoring, CascadeLengthPointsStartAtTwoWavesAndStopGrowingAtSix) {
    expectResults(chainPoints, {{0, 0}, {1, 0}, {2, 150}, {3, 500}, {4, 1000}, {5, 4000}, {6, 8000}, {40, 8000}});
}

TEST(Scoring, RemovedBlockPointsFromThreeToTwelveOrMore) {
    EXPECT_EQ(removedBlocksPoints(0), 0);
    EXPECT_EQ(removedBlocksPoints(2), 0);
    const std::int32_t expected[] = {100, 200, 300, 600, 900, 1500, 3000, 5000, 7500, 10000};
    for (int removed = 3; removed <= 12; ++removed) EXPECT_EQ(removedBlocksPoints(removed), expected[removed - 3]) << removed;
    EXPECT_EQ(removedBlocksPoints(90), 10000);
}

TEST(Scoring, TimerBonusSeconds) {
    expectResults(chainSeconds, {{1, 0}, {2, 3}, {3, 4}, {4, 6}, {5, 8}, {6, 15}, {9, 15}});
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
    expectResults(bombKindAfter, {{0, -1},
                                  {3, -1},
                                  {4, SmallBomb},
                                  {5, SmallBomb},
                                  {6, MediumBomb},
                                  {8, MediumBomb},
                                  {9, LargeBomb},
                                  {12, LargeBomb}});
}

TEST(Scoring, RiseCountdownChange) {
    expectResults(riseCountdownChange,
                  {{0, -2}, {3, -1}, {4, 0}, {5, 1}, {6, 3}, {7, 4}, {8, 6}, {9, 8}, {25, 8}});
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
    for (int level = 2; level <= kLevelCount; ++level)
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
