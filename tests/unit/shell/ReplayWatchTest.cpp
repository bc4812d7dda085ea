// A replay's pace at each speed and paused; a table row's game played back.
#include "engine/ModalPause.h"
#include "engine/ReplayRerun.h"
#include "scores/RowReplays.h"
#include "tests/support/GameDriver.h"
#include "tests/support/RandomPlayer.h"
#include "tests/unit/engine/RecordingHost.h"
#include "tests/unit/shell/MainWindowFixture.h"

namespace tintfall {
namespace {

// A whole headless game with a minute-long box open at tick 400.
std::vector<std::uint8_t> recordedGame() {
    GameDriver driver;
    driver.host().nameAnswers.push_back(std::nullopt);
    driver.pressStartStop();
    RandomPlayer player(5, false);
    for (int tick = 0; driver.state().gameRunning; ++tick, driver.tick()) {
        if (tick == 400) {
            ModalPause pause(driver.game());
            driver.clock().advance(60000);
        }
        player(driver);
    }
    return driver.game().finishedReplay();
}

class ReplayPace : public testing::TestWithParam<int> {};

TEST_P(ReplayPace, FollowsRealTimeTimesTheSpeedStandsStillWhilePausedAndSkipsStalls) {
    test::RecordingHost screen;
    ManualClock real;
    const std::vector<std::uint8_t> events = recordedGame();
    ReplayWatch watch(events, screen, real);
    for (int i = 0; i < GetParam(); ++i) watch.faster();
    const int speed = watch.speed();
    ASSERT_EQ(speed, GetParam() == 3 ? 1 : 1 << GetParam());
    const auto play = [&](int ticks) {
        for (int t = 0; t < ticks; ++t, watch.onTick()) real.advance(20);
    };
    // Replay time over 20 ticks less the real time passed (ticks and the
    // animations' waits) times the speed.
    const auto ahead = [&] {
        const std::int64_t start = watch.replayMilliseconds();
        const std::uint32_t realStart = real.milliseconds();
        play(20);
        return watch.replayMilliseconds() - start - std::int64_t{real.milliseconds() - realStart} * speed;
    };
    play(3);
    EXPECT_NEAR(ahead(), 0, 60 * speed);
    watch.togglePause();
    const std::int64_t atPause = watch.replayMilliseconds();
    play(100);
    EXPECT_EQ(watch.replayMilliseconds(), atPause);
    watch.togglePause();
    EXPECT_NEAR(ahead(), 0, 60 * speed) << "the pause was owed";

    for (int t = 0; t < 1000000 && !watch.ended(); ++t) play(1);
    EXPECT_FALSE(watch.failed()) << watch.failure();
    EXPECT_EQ(watch.statusText(), "Replay - end");
    // The minute-long stall went by in moments.
    EXPECT_LT(real.milliseconds() - 2000, (rerunReplay(events).clockMilliseconds - 55000) / speed);
}

INSTANTIATE_TEST_SUITE_P(FasterPresses, ReplayPace, testing::Values(0, 1, 2, 3));

TEST_F(MainWindowTest, ATableRowsReplayPlaysToTheGamesLastBoardAndChangesNothing) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    for (int t = 0; t < 600; ++t, window.onTick()) clock.advance(20);
    this->window.answers = {MessageAnswer::Yes};
    dialogs.nameAnswers = {std::string("Ann")};
    window.onCommand(CMD_START_STOP);
    const auto board = window.gameState().board.cells;
    const auto tables = files.bytesOf("data.tft");

    dialogs.replayChoice = 0;
    window.onCommand(CMD_WATCH_REPLAY);
    ASSERT_NE(window.replayWatch(), nullptr);
    EXPECT_EQ(dialogs.replayLines[0].substr(0, 17), "Classic 1. Ann - ");
    for (int t = 0; t < 100000 && !window.replayWatch()->ended(); ++t) {
        clock.advance(20);
        window.onTick();
        // Keys move nothing of the replay's game: Left and Up.
        window.preTranslateKey(true, 37 + t % 2);
        window.onKeyDown(37 + t % 2);
        window.preTranslateKey(false, 37 + t % 2);
    }
    EXPECT_FALSE(window.replayWatch()->failed()) << window.replayWatch()->failure();
    EXPECT_EQ(window.replayWatch()->state().board.cells, board);
    EXPECT_EQ(dialogs.namePromptsProposed.size(), 1u);
    EXPECT_EQ(files.bytesOf("data.tft"), tables);
    window.onKeyDown(0x1B);
    EXPECT_EQ(window.replayWatch(), nullptr);
}

}  // namespace
}  // namespace tintfall
