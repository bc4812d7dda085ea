#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

constexpr std::int32_t kLeft = 37;
constexpr std::int32_t kRight = 39;
constexpr std::int32_t kDown = 40;
constexpr std::int32_t kUp = 38;
constexpr std::int32_t kSpace = 32;
constexpr std::int32_t kPause = 19;

class GameClock : public EngineTest {
protected:
    void SetUp() override {
        playing(OneBlock, {0, 0, 0});
        state.lastFallTime = 0;
        state.clockRunning = 1;
    }

    // One timer tick, 20 ms after the last.
    void tick() {
        clock.advance(20);
        game.gameStep();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) tick();
    }
    void press(std::int32_t key) { game.preTranslateKey(true, key); }
    void release(std::int32_t key) { game.preTranslateKey(false, key); }
};

TEST_F(GameClock, ATapMovesOneColumnHoweverLateTheTickComes) {
    press(kLeft);
    clock.advance(400);
    tick();
    EXPECT_EQ(state.piece.column, 1);
    tick();
    release(kLeft);
    ticks(5);
    EXPECT_EQ(state.piece.column, 1);
}

TEST_F(GameClock, AKeyDownAndUpBetweenTwoTicksActsOnceOnTheNextTick) {
    press(kLeft);
    release(kLeft);
    release(kLeft);  // a stray second key-up loses nothing
    tick();
    EXPECT_EQ(state.piece.column, 1);
    ticks(5);
    EXPECT_EQ(state.piece.column, 1);

    // Space tapped in the same way drops exactly one piece.
    press(kSpace);
    release(kSpace);
    ticks(5);
    EXPECT_EQ(state.stats.piecesCount, 1);
}

TEST_F(GameClock, ATapDuringARemovalAnimationMovesTheNextPiece) {
    settings.demolitionDelay = 200;
    playing(ThreeBlocks, {1, 1, 1});
    state.piece.row = 14;
    state.lastFallTime = 0;
    state.fallInterval = 10;
    tick();  // lands, removes three blocks and sleeps through the animation
    ASSERT_EQ(state.stats.piecesCount, 1);
    ASSERT_GT(clock.milliseconds(), 600u);
    ASSERT_EQ(state.piece.column, 2);
    state.fallInterval = 1000;
    // The key messages of the blocked time all arrive before the next tick.
    press(kLeft);
    release(kLeft);
    tick();
    EXPECT_EQ(state.piece.column, 1);
}

TEST_F(GameClock, ATapFollowedByAHoldActsOnceAndThenRepeatsAsAHold) {
    state.piece.column = 0;
    press(kRight);
    release(kRight);
    press(kRight);
    std::vector<int> columns;
    for (int i = 0; i < 6; ++i) {
        tick();
        columns.push_back(state.piece.column);
    }
    EXPECT_EQ(columns, (std::vector<int>{1, 1, 1, 1, 2, 3}));
    release(kRight);
    ticks(3);
    EXPECT_EQ(state.piece.column, 3);
}

TEST_F(GameClock, HoldingRepeatsOnEveryTickOnceTheDelayHasRunOut) {
    state.piece.column = 0;
    press(kRight);
    std::vector<int> columns;
    for (int i = 0; i < 7; ++i) {
        tick();
        columns.push_back(state.piece.column);
    }
    // Acts at 20 ms; at 80 ms the 50 ms delay has run out; repeats from 100 ms.
    EXPECT_EQ(columns, (std::vector<int>{1, 1, 1, 1, 2, 3, 4}));
}

TEST_F(GameClock, RepeatedKeyDownsOfAHeldKeyDoNotRestartIt) {
    state.piece.column = 0;
    press(kRight);
    tick();
    for (int i = 0; i < 3; ++i) {
        press(kRight);
        tick();
    }
    tick();
    EXPECT_EQ(state.piece.column, 2);
}

TEST_F(GameClock, ADelayOfZeroRepeatsFromTheSecondTick) {
    settings.keyDelay[MoveRight] = 0;
    state.piece.column = 0;
    press(kRight);
    ticks(3);
    EXPECT_EQ(state.piece.column, 3);
}

TEST_F(GameClock, ADelayOfAThousandOrANegativeOneNeverRepeats) {
    press(kSpace);
    ticks(200);
    EXPECT_EQ(state.stats.piecesCount, 1);
    release(kSpace);
    settings.keyDelay[MoveLeft] = -1;
    press(kLeft);
    ticks(100);
    EXPECT_EQ(state.piece.column, 1);
}

TEST_F(GameClock, HeldKeysActInTheirFixedOrder) {
    // Left before Drop Bottom: the piece lands one column to the left.
    press(kSpace);
    press(kLeft);
    tick();
    EXPECT_EQ(state.board.cell(1, 14), 0);
    // Drop Bottom before Rotate: the next piece is turned, not the landed one.
    release(kSpace);
    release(kLeft);
    state.piece.kind = TwoBlocks;
    state.piece.colours = {1, 2, 0};
    press(kUp);
    press(kSpace);
    tick();
    EXPECT_EQ(columnText(2), ".............21");
}

TEST_F(GameClock, SoftDropRepeatsAfterItsDelay) {
    press(kDown);
    ticks(4);  // acts at 20 ms, repeating is set at 80 ms
    EXPECT_EQ(state.piece.row, 3);
    ticks(3);
    EXPECT_EQ(state.piece.row, 6);
    EXPECT_EQ(state.score, 40);
}

TEST_F(GameClock, OneKeyBoundToTwoActionsDrivesBoth) {
    settings.keyCode[Rotate] = kLeft;
    state.piece.kind = TwoBlocks;
    state.piece.colours = {1, 2, 0};
    press(kLeft);
    tick();
    EXPECT_EQ(state.piece.column, 1);
    EXPECT_EQ(state.piece.colours[0], 2);
}

TEST_F(GameClock, KeysAreForgottenWhilePlayDoesNotProceed) {
    press(kLeft);
    state.appActive = 0;
    release(kRight);  // any key message while inactive
    state.appActive = 1;
    ticks(3);
    EXPECT_EQ(state.piece.column, 2);

    press(kLeft);
    state.notPaused = 0;
    tick();
    state.notPaused = 1;
    ticks(3);
    EXPECT_EQ(state.piece.column, 2);

    // A tap not yet acted on is forgotten the same way.
    press(kLeft);
    release(kLeft);
    state.notPaused = 0;
    tick();
    state.notPaused = 1;
    press(kRight);
    release(kRight);
    game.clearKeys();  // deactivation
    ticks(3);
    EXPECT_EQ(state.piece.column, 2);

    state.gameRunning = 0;
    press(kLeft);
    EXPECT_EQ(state.keys[MoveLeft].held, 0);
}

TEST_F(GameClock, GravityWaitsMoreThanTheLevelInterval) {
    ticks(50);  // 1000 ms: not more than the interval yet
    EXPECT_EQ(state.piece.row, 2);
    tick();
    EXPECT_EQ(state.piece.row, 3);
    EXPECT_EQ(state.lastFallTime, 1020u);
    ticks(51);
    EXPECT_EQ(state.piece.row, 4);
    state.fallInterval = 110;
    ticks(6);
    EXPECT_EQ(state.piece.row, 5);
    EXPECT_EQ(state.score, 0);
}

TEST_F(GameClock, TimeDifferencesSurviveTheClockWrapping) {
    clock.setMilliseconds(0xFFFFFF00u);
    state.lastFallTime = 0xFFFFFF00u;
    state.secondsStamp = 0xFFFFFF00u;
    ticks(20);  // 400 ms, across the wrap
    EXPECT_EQ(state.piece.row, 2);
    EXPECT_EQ(state.stats.gameSeconds, 0);
    ticks(40);
    EXPECT_EQ(state.piece.row, 3);
    EXPECT_EQ(state.stats.gameSeconds, 1);
}

TEST_F(GameClock, PlaySecondsDropTheRemainderAtEachStep) {
    state.secondsStamp = 0;
    ticks(51);  // 1020 ms
    EXPECT_EQ(state.stats.gameSeconds, 1);
    EXPECT_EQ(state.secondsStamp, 1020u);
    clock.advance(2480);
    tick();  // 2500 ms later: two whole seconds
    EXPECT_EQ(state.stats.gameSeconds, 3);
    EXPECT_EQ(state.secondsStamp, 3520u);
}

TEST_F(GameClock, APauseIsNotCountedAndBothCountersReBase) {
    state.timeLeft = 100;
    state.timerStamp = state.secondsStamp = 0;
    state.fallInterval = 100000;
    ticks(60);  // 1200 ms
    EXPECT_EQ(state.stats.gameSeconds, 1);
    EXPECT_EQ(state.timeLeft, 99);
    game.togglePause();
    ticks(500);  // 10 s paused
    game.togglePause();
    tick();  // re-bases both stamps
    EXPECT_EQ(state.secondsStamp, clock.milliseconds());
    EXPECT_EQ(state.timerStamp, clock.milliseconds());
    EXPECT_EQ(state.clockRunning, 1);
    ticks(40);
    EXPECT_EQ(state.stats.gameSeconds, 1);
    EXPECT_EQ(state.timeLeft, 99);
    ticks(20);
    EXPECT_EQ(state.stats.gameSeconds, 2);
    EXPECT_EQ(state.timeLeft, 98);
}

TEST_F(GameClock, TimerSoundsInTheLastTenSecondsAndTheGameEndsBelowZero) {
    state.timeLeft = 12;
    state.timerStamp = 0;
    state.fallInterval = 100000;
    ticks(51);
    EXPECT_EQ(state.timeLeft, 11);
    EXPECT_EQ(host.soundCount(TimerTick), 0);
    ticks(51);
    EXPECT_EQ(state.timeLeft, 10);
    EXPECT_EQ(host.soundCount(TimerTick), 1);
    EXPECT_EQ(host.sounds.back().second, 11);
    while (state.timeLeft > 0) tick();
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(host.soundCount(TimerTick), 11);
    ticks(51);
    EXPECT_EQ(state.timeLeft, 0);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.soundCount(GameOver), 1);
}

TEST_F(GameClock, ALongStallTakesAllItsSecondsAtOnce) {
    state.timeLeft = 5;
    state.timerStamp = 0;
    state.fallInterval = 100000;
    clock.advance(9000);
    tick();
    EXPECT_EQ(state.timeLeft, 0);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.panelRefreshes, 1);
}

TEST_F(GameClock, NothingHappensAfterALandingEndsTheGameInTheSameTick) {
    state.timeLeft = 0;
    state.timerStamp = 0;
    stack(2, {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3});  // the piece cannot fall
    ticks(50);
    press(kLeft);
    tick();  // gravity lands the piece in the hidden rows
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.soundCount(GameOver), 1);  // the spent Timer did not end it again
    EXPECT_EQ(host.pieceMoves, 0);
}

TEST_F(GameClock, NoKeyOfAWonGameActsAfterTheWin) {
    state.level = 20;
    state.blocksToClear = 3;
    board({"00...."});
    state.piece.row = 14;
    ticks(50);
    press(kSpace);
    tick();  // gravity lands the piece and wins; the Drop Bottom must not land another
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.soundCount(GameOver), 0);
    EXPECT_EQ(state.stats.piecesCount, 1);
}

TEST_F(GameClock, ThePauseKeyTogglesPauseOnlyDuringAGame) {
    game.onKeyDown(kLeft);
    EXPECT_EQ(state.notPaused, 1);
    game.onKeyDown(kPause);
    EXPECT_EQ(state.notPaused, 0);
    game.onKeyDown(kPause);
    EXPECT_EQ(state.notPaused, 1);
    state.gameRunning = 0;
    game.onKeyDown(kPause);
    EXPECT_EQ(state.notPaused, 1);
}

}  // namespace
}  // namespace tintfall::test
