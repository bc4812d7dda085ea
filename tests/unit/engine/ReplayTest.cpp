#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/GameRecord.h"
#include "engine/ModalPause.h"
#include "engine/ReplayFile.h"
#include "engine/ReplayPlayer.h"
#include "engine/ReplayRerun.h"
#include "settings/SavedGameFile.h"
#include "tests/support/GameDriver.h"
#include "tests/support/RandomPlayer.h"

using namespace tintfall;

namespace {

// What happens to a game besides its moves, before the given tick; may hand
// the game over to another driver (a saved game loaded by another run).
using Interference = std::function<void(std::unique_ptr<GameDriver>& driver, int tick)>;

struct ReplayCase {
    const char* name;
    std::int32_t mode;
    Interference interfere;
};

void saveAndLoadInAnotherRun(std::unique_ptr<GameDriver>& driver) {
    std::vector<std::uint8_t> saved;
    std::vector<std::uint8_t> replay;
    {
        ModalPause pause(driver->game());
        saved = encodeSavedGame(driver->state(), driver->settings());
        replay = driver->game().replaySoFar();
    }
    auto next = std::make_unique<GameDriver>();
    next->clock().setMilliseconds(987654);
    next->clock().setCalendarSeconds(GameDriver::kDefaultCalendarSeconds + 86400);
    ModalPause pause(next->game());
    GameState loaded = next->state();
    GameSettings loadedRules = next->settings();
    ASSERT_TRUE(parseSavedGame(saved.data(), saved.size(), loaded, loadedRules));
    next->game().continueLoadedGame(loaded, loadedRules, parseReplayFile(encodeReplayFile(replay)).events);
    driver = std::move(next);
}

const ReplayCase kCases[] = {
    {"plain Classic", Classic, nullptr},
    {"Timer, paused, a dialog open, the window inactive", Timer,
     [](std::unique_ptr<GameDriver>& d, int tick) {
         if (tick == 40 || tick == 90) d->keyDown(d->settings().keyCode[PauseGame]);
         if (tick == 120) {
             ModalPause pause(d->game());
             d->clock().advance(5000);
         }
         if (tick == 150) d->game().setAppActive(false);
         if (tick == 170) d->game().setAppActive(true);
     }},
    {"Rising, options changed while playing", Rising,
     [](std::unique_ptr<GameDriver>& d, int tick) {
         if (tick != 60) return;
         ModalPause pause(d->game());
         GameSettings chosen = d->game().settings();
         chosen.keyDelay[MoveLeft] = 200;
         chosen.keyCode[Rotate] = 'R';
         chosen.levelAnimationDelay = 3;
         d->game().applyOptions(chosen);
     }},
    {"a cancel refused from the panel, accepted from the menu", Classic,
     [](std::unique_ptr<GameDriver>& d, int tick) {
         if (tick == 30) {
             d->host().yesNoAnswers.push_back(false);
             d->game().startOrStop(StartStopCaller::PanelButton);
         }
         if (tick == 300) {
             d->host().yesNoAnswers.push_back(true);
             d->pressStartStop();
         }
     }},
    {"saved, then loaded and finished by another run", Timer,
     [](std::unique_ptr<GameDriver>& d, int tick) {
         if (tick == 100) saveAndLoadInAnotherRun(d);
     }},
};

class ReplayReRun : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayReRun, ReproducesEveryFieldOfTheResult) {
    const ReplayCase& c = GetParam();
    auto driver = std::make_unique<GameDriver>();
    driver->settings().gameMode = c.mode;
    driver->host().nameAnswers.push_back(std::nullopt);
    driver->pressStartStop();
    RandomPlayer player(7);
    for (int tick = 0; tick < 200000 && driver->state().gameRunning; ++tick) {
        if (c.interfere) c.interfere(driver, tick);
        player(*driver);
        driver->tick();
    }
    ASSERT_EQ(driver->state().gameRunning, 0);
    const GameResult played = makeGameResult(driver->state(), driver->settings());

    const std::vector<std::uint8_t>& events = driver->game().finishedReplay();
    ASSERT_FALSE(events.empty());
    const ReplayFileRead read = parseReplayFile(encodeReplayFile(events));
    ASSERT_TRUE(read.ok()) << read.failure;
    EXPECT_EQ(read.events, events);
    const ReplayRerun rerun = rerunReplay(read.events);
    ASSERT_TRUE(rerun.ok) << rerun.failure;
    EXPECT_EQ(firstDifferentField(played, rerun.result), "") << c.name;
    EXPECT_EQ(rerun.result.name, "");
    EXPECT_GT(played.piecesCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Games, ReplayReRun, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ReplayCase>& info) { return std::to_string(info.index); });

TEST(ReplayPlayer, StepsTickByTickOntoTheSameBoard) {
    GameDriver driver;
    driver.host().nameAnswers.push_back(std::nullopt);
    driver.pressStartStop();
    RandomPlayer player(3);
    std::vector<GameBoard> boards;
    while (driver.state().gameRunning) {
        player(driver);
        driver.tick();
        boards.push_back(driver.state().board);
    }
    const std::vector<std::uint8_t> events = driver.game().finishedReplay();
    ReplayPlayer replay(events);
    replay.step();  // the start of the game
    std::size_t tick = 0;
    while (replay.stepTick()) {
        ASSERT_LT(tick, boards.size());
        EXPECT_EQ(replay.state().board.cells, boards[tick].cells) << "tick " << tick;
        ++tick;
    }
    EXPECT_FALSE(replay.failed()) << replay.failure();
    EXPECT_EQ(tick + 1, boards.size());
    EXPECT_EQ(replay.state().board.cells, driver.state().board.cells);
}

}  // namespace
