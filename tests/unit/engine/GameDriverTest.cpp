#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/GameDriver.h"

using namespace tintfall;

TEST(GameDriver, PlaysInAnEmptyFolderInMemoryOrOnDiskForItsLifetime) {
    GameDriver inMemory;
    ASSERT_NE(inMemory.memoryFiles(), nullptr);
    EXPECT_TRUE(inMemory.memoryFiles()->contents.empty());
    EXPECT_EQ(inMemory.baseFolder(), "C:\\Games\\");
    EXPECT_EQ(inMemory.settings().soundFile[0], "C:\\Games\\snd\\button.wav");

    std::string folder;
    {
        GameDriver driver{GameDriver::OnDisk{}};
        EXPECT_EQ(driver.memoryFiles(), nullptr);
        folder = LocalFiles::hostPath(driver.baseFolder());
        EXPECT_TRUE(std::filesystem::is_directory(folder));
        EXPECT_TRUE(std::filesystem::is_empty(folder));
        EXPECT_EQ(driver.settings().soundFile[0], driver.baseFolder() + "snd\\button.wav");
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(GameDriver, ScriptEventsArriveBeforeTheirTick) {
    GameDriver driver;
    driver.settings().keyDelay[MoveLeft] = 1000;  // no repeat
    const std::int32_t left = driver.settings().keyCode[MoveLeft];
    driver.pressStartStop();
    // Held over ticks 2..9 without repeat: one step. Tapped again at 12: a second.
    const int ran = driver.run({{2, left, true}, {10, left, false}, {12, left, true}, {13, left, false}}, 20);
    EXPECT_EQ(ran, 20);
    EXPECT_EQ(driver.ticks(), 20);
    EXPECT_EQ(driver.state().piece.column, 0);

    GameDriver early;
    early.settings().keyDelay[MoveLeft] = 1000;
    early.pressStartStop();
    early.run({{2, left, true}, {10, left, false}}, 2);  // stops before tick 2
    EXPECT_EQ(early.state().piece.column, 2);
}

TEST(GameDriver, RunStopsWhenTheGameEnds) {
    GameDriver driver;
    driver.host().nameAnswers.push_back(std::nullopt);
    const std::int32_t drop = driver.settings().keyCode[DropBottom];
    driver.pressStartStop();
    std::vector<KeyEvent> script;
    for (int tick = 0; tick < 400; tick += 2) {
        script.push_back({tick, drop, true});
        script.push_back({tick + 1, drop, false});
    }
    const int ran = driver.run(script, 400);
    EXPECT_EQ(driver.state().gameRunning, 0);
    EXPECT_LT(ran, 400);
    EXPECT_EQ(driver.ticks(), ran);
}

TEST(GameDriver, SameCalendarTimeAndScriptPlayTheSameGame) {
    auto play = [](std::int64_t calendarSeconds) {
        GameDriver driver;
        driver.clock().setCalendarSeconds(calendarSeconds);
        driver.host().nameAnswers.push_back(std::nullopt);
        driver.pressStartStop();
        const std::int32_t drop = driver.settings().keyCode[DropBottom];
        const std::int32_t rotate = driver.settings().keyCode[Rotate];
        driver.run({{5, rotate, true}, {6, rotate, false}, {30, drop, true}, {31, drop, false}}, 3000);
        return driver.state();
    };
    const GameState first = play(GameDriver::kDefaultCalendarSeconds);
    const GameState again = play(GameDriver::kDefaultCalendarSeconds);
    EXPECT_EQ(first.board.cells, again.board.cells);
    EXPECT_EQ(first.score, again.score);
    EXPECT_EQ(first.stats.piecesCount, again.stats.piecesCount);

    // Another second gives another sequence of pieces.
    bool differs = false;
    for (std::int64_t offset = 1; offset <= 3 && !differs; ++offset) {
        differs = play(GameDriver::kDefaultCalendarSeconds + offset).board.cells != first.board.cells;
    }
    EXPECT_TRUE(differs);
}
