// The four states of a game (no game, playing, paused, suspended) and the
// ways between them, driven as the window drives them.
#include <gtest/gtest.h>

#include "GameTestSupport.h"

using namespace tintfall;
using namespace tintfall::testing;

namespace {

constexpr std::int32_t kPauseKey = 19;

class GameFlowTest : public ::testing::Test {
protected:
    void startGame() {
        driver_.pressStartStop();
        ASSERT_EQ(driver_.state().gameRunning, 1);
        ASSERT_EQ(driver_.state().notPaused, 1);
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) driver_.tick();
    }

    GameDriver driver_;
};

}  // namespace

TEST_F(GameFlowTest, StartFromNoGameEntersPlaying) {
    EXPECT_EQ(driver_.state().gameRunning, 0);
    EXPECT_EQ(driver_.state().notPaused, 1);
    startGame();
    EXPECT_EQ(driver_.state().level, 1);
    EXPECT_EQ(driver_.host().soundCount(GameStart), 1);
    EXPECT_TRUE(driver_.host().dialogs.empty());
    const int row = driver_.state().piece.row;
    ticks(200);
    EXPECT_GT(driver_.state().piece.row, row);
}

TEST_F(GameFlowTest, PauseKeyDoesNothingWithoutAGame) {
    driver_.keyDown(kPauseKey);
    EXPECT_EQ(driver_.state().notPaused, 1);
    driver_.game().togglePause();
    EXPECT_EQ(driver_.state().notPaused, 1);
}

TEST_F(GameFlowTest, PauseStopsFallAndClocksAndResumeRebasesThem) {
    driver_.settings().gameMode = Timer;
    startGame();
    ticks(60);
    const GameState before = driver_.state();

    driver_.keyDown(kPauseKey);
    driver_.keyUp(kPauseKey);
    EXPECT_EQ(driver_.state().notPaused, 0);
    EXPECT_EQ(driver_.state().clockRunning, 0);
    ticks(500);  // ten seconds paused
    EXPECT_EQ(driver_.state().piece.row, before.piece.row);
    EXPECT_EQ(driver_.state().stats.gameSeconds, before.stats.gameSeconds);
    EXPECT_EQ(driver_.state().timeLeft, before.timeLeft);

    driver_.keyDown(kPauseKey);
    EXPECT_EQ(driver_.state().notPaused, 1);
    ticks(1);
    // The paused time is neither counted nor taken from the clock.
    EXPECT_EQ(driver_.state().stats.gameSeconds, before.stats.gameSeconds);
    EXPECT_EQ(driver_.state().timeLeft, before.timeLeft);
}

TEST_F(GameFlowTest, KeyHeldAcrossAPauseDoesNotActAfterIt) {
    startGame();
    const std::int32_t left = driver_.settings().keyCode[MoveLeft];
    driver_.game().togglePause();
    driver_.keyDown(left);
    ticks(3);
    driver_.game().togglePause();
    ticks(3);
    EXPECT_EQ(driver_.state().piece.column, 2);
}

TEST_F(GameFlowTest, SuspensionFromPlayingRestoresPlaying) {
    startGame();
    const std::int32_t remembered = driver_.game().suspendForModal();
    EXPECT_EQ(driver_.state().notPaused, 0);
    EXPECT_EQ(driver_.state().clockRunning, 0);
    const int row = driver_.state().piece.row;
    ticks(200);  // the dialog's own message loop keeps ticking
    EXPECT_EQ(driver_.state().piece.row, row);
    driver_.game().resumeAfterModal(remembered);
    EXPECT_EQ(driver_.state().notPaused, 1);
    EXPECT_EQ(driver_.state().gameRunning, 1);
}

TEST_F(GameFlowTest, SuspensionFromPausedStaysPausedAlsoWhenNested) {
    startGame();
    driver_.game().togglePause();
    const std::int32_t outer = driver_.game().suspendForModal();
    const std::int32_t inner = driver_.game().suspendForModal();
    driver_.game().resumeAfterModal(inner);
    driver_.game().resumeAfterModal(outer);
    EXPECT_EQ(driver_.state().notPaused, 0);

    driver_.game().togglePause();
    const std::int32_t first = driver_.game().suspendForModal();
    const std::int32_t second = driver_.game().suspendForModal();
    driver_.game().resumeAfterModal(second);
    EXPECT_EQ(driver_.state().notPaused, 0);  // the outer dialog is still open
    driver_.game().resumeAfterModal(first);
    EXPECT_EQ(driver_.state().notPaused, 1);
}

TEST_F(GameFlowTest, StopAnsweredNoReturnsToPlayingWithTheClockRebased) {
    startGame();
    ticks(120);
    const std::int32_t seconds = driver_.state().stats.gameSeconds;
    driver_.host().yesNoAnswers.push_back(false);
    driver_.pressStartStop();
    ASSERT_EQ(driver_.host().questions.size(), 1u);
    EXPECT_EQ(driver_.host().questions[0], "Do you want to cancel current game?");
    EXPECT_EQ(driver_.state().gameRunning, 1);
    EXPECT_EQ(driver_.state().notPaused, 1);
    EXPECT_EQ(driver_.state().clockRunning, 0);
    driver_.clock().advance(30000);  // the question stood open for half a minute
    ticks(1);
    EXPECT_EQ(driver_.state().stats.gameSeconds, seconds);
    EXPECT_EQ(driver_.host().soundCount(GameOver), 0);
}

TEST_F(GameFlowTest, StopAnsweredNoKeepsAPausedGamePaused) {
    startGame();
    driver_.game().togglePause();
    driver_.host().yesNoAnswers.push_back(false);
    driver_.pressStartStop();
    EXPECT_EQ(driver_.state().gameRunning, 1);
    EXPECT_EQ(driver_.state().notPaused, 0);
    driver_.game().togglePause();
    EXPECT_EQ(driver_.state().notPaused, 1);
}

TEST_F(GameFlowTest, StopAnsweredYesFromPausedEndsUnpausedAndANewGameStartsPlaying) {
    startGame();
    driver_.game().togglePause();
    driver_.host().yesNoAnswers.push_back(true);
    driver_.host().nameAnswers.push_back(std::nullopt);
    driver_.pressStartStop();
    EXPECT_EQ(driver_.state().gameRunning, 0);
    EXPECT_EQ(driver_.state().notPaused, 1);
    EXPECT_EQ(driver_.host().soundCount(GameOver), 1);

    driver_.pressStartStop();  // no question without a game
    EXPECT_EQ(driver_.host().questions.size(), 1u);
    EXPECT_EQ(driver_.state().gameRunning, 1);
    EXPECT_EQ(driver_.state().notPaused, 1);
}

TEST_F(GameFlowTest, AnEndedGameIgnoresKeysAndTicks) {
    startGame();
    driver_.host().yesNoAnswers.push_back(true);
    driver_.host().nameAnswers.push_back(std::nullopt);
    driver_.pressStartStop();
    const GameState after = driver_.state();
    driver_.keyDown(driver_.settings().keyCode[DropBottom]);
    driver_.keyDown(kPauseKey);
    ticks(100);
    EXPECT_EQ(driver_.state().score, after.score);
    EXPECT_EQ(driver_.state().board.cells, after.board.cells);
    EXPECT_EQ(driver_.state().notPaused, 1);
}
