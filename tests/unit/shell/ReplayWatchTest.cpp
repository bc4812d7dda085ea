// Watching a replay: the pace of the window's timer at each speed, pause,
// and a whole game from its table row back to the same board.
#include "engine/ModalPause.h"
#include "engine/ReplayRerun.h"
#include "shell/RowReplays.h"
#include "tests/support/GameDriver.h"
#include "tests/support/RandomPlayer.h"
#include "tests/unit/engine/RecordingHost.h"
#include "tests/unit/shell/MainWindowFixture.h"

namespace tintfall {
namespace {

constexpr int kLeftKey = 37;
constexpr int kUpKey = 38;

// A whole headless game with a minute-long box open at tick 400.
std::vector<std::uint8_t> recordedGame() {
    GameDriver driver;
    driver.host().nameAnswers.push_back(std::nullopt);
    driver.pressStartStop();
    RandomPlayer player(5, false);
    for (int tick = 0; driver.state().gameRunning; ++tick) {
        if (tick == 400) {
            ModalPause pause(driver.game());
            driver.clock().advance(60000);
        }
        player(driver);
        driver.tick();
    }
    EXPECT_GT(driver.ticks(), 400);
    return driver.game().finishedReplay();
}

struct PaceCase {
    int fasterPresses;
    int speed;
};

class ReplayPace : public testing::TestWithParam<PaceCase> {};

TEST_P(ReplayPace, TheReplayClockFollowsRealTimeTimesTheSpeedAndStandsStillWhilePaused) {
    test::RecordingHost screen;
    ManualClock real;
    const std::vector<std::uint8_t> events = recordedGame();
    const std::int64_t gameMilliseconds = rerunReplay(events).clockMilliseconds;
    ReplayWatch watch(events, screen, real);
    for (int i = 0; i < GetParam().fasterPresses; ++i) watch.faster();
    ASSERT_EQ(watch.speed(), GetParam().speed);
    const auto play = [&](int ms) {
        for (int t = 0; t < ms / 20; ++t) {
            real.advance(20);
            watch.onTick();
        }
    };
    // The replay's time over 400 ms of ticks less the real time passed
    // (the ticks' and the animations' waits) times the speed.
    const auto aheadOverTicks = [&] {
        const std::int64_t start = watch.replayMilliseconds();
        const std::uint32_t realStart = real.milliseconds();
        play(400);
        return watch.replayMilliseconds() - start - static_cast<std::int64_t>(real.milliseconds() - realStart) * watch.speed();
    };
    play(60);  // the game's start
    EXPECT_NEAR(aheadOverTicks(), 0, 60 * watch.speed());

    watch.togglePause();
    EXPECT_EQ(watch.statusText(), "Replay x" + std::to_string(watch.speed()) + " - paused");
    const std::int64_t atPause = watch.replayMilliseconds();
    play(2000);
    EXPECT_EQ(watch.replayMilliseconds(), atPause);
    watch.togglePause();
    EXPECT_NEAR(aheadOverTicks(), 0, 60 * watch.speed()) << "the pause was owed";

    // The minute-long stall is shown briefly; the game then plays to its end.
    for (int t = 0; t < 1000000 && !watch.ended(); ++t) play(20);
    ASSERT_TRUE(watch.ended());
    EXPECT_FALSE(watch.failed()) << watch.failure();
    const std::int64_t watched = real.milliseconds() - 2000;
    EXPECT_LT(watched, (gameMilliseconds - 55000) / watch.speed());
    EXPECT_EQ(watch.statusText(), "Replay - end");
}

INSTANTIATE_TEST_SUITE_P(Speeds, ReplayPace, testing::Values(PaceCase{0, 1}, PaceCase{1, 2}, PaceCase{2, 4}, PaceCase{3, 1}),
                         [](const testing::TestParamInfo<PaceCase>& info) { return std::to_string(info.index); });

TEST_F(MainWindowTest, ATableRowsReplayPlaysToTheGamesLastBoardAndChangesNothing) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    for (int t = 0; t < 600; ++t) {
        clock.advance(20);
        window.onTick();
    }
    this->window.answers = {MessageAnswer::Yes};
    dialogs.nameAnswers = {std::string("Ann")};
    window.onCommand(CMD_START_STOP);
    ASSERT_EQ(dialogs.recordedResults.size(), 1u);
    const auto board = window.gameState().board.cells;
    const auto tables = files.bytesOf("data.tft");
    ASSERT_TRUE(hasRowReplay(files, window.baseFolder(), dialogs.recordedResults[0]));

    dialogs.replayChoice = 0;
    window.onCommand(CMD_WATCH_REPLAY);
    ASSERT_NE(window.replayWatch(), nullptr);
    EXPECT_EQ(dialogs.replayLines[0].substr(0, 17), "Classic 1. Ann - ");
    EXPECT_EQ(this->window.titles.back(), "Tintfall - Replay x1");
    for (int t = 0; t < 100000 && !window.replayWatch()->ended(); ++t) {
        clock.advance(20);
        window.onTick();
        // Keys move nothing of the replay's game.
        window.preTranslateKey(true, t % 2 ? kLeftKey : kUpKey);
        window.onKeyDown(t % 2 ? kLeftKey : kUpKey);
        window.preTranslateKey(false, t % 2 ? kLeftKey : kUpKey);
    }
    ASSERT_TRUE(window.replayWatch()->ended());
    EXPECT_FALSE(window.replayWatch()->failed()) << window.replayWatch()->failure();
    EXPECT_EQ(window.replayWatch()->state().board.cells, board);
    EXPECT_EQ(this->window.titles.back(), "Tintfall - Replay - end");
    EXPECT_EQ(dialogs.namePromptsProposed.size(), 1u);
    EXPECT_EQ(files.bytesOf("data.tft"), tables);

    window.onKeyDown(0x1B);
    EXPECT_EQ(window.replayWatch(), nullptr);
}

}  // namespace
}  // namespace tintfall
