#include <algorithm>
#include <tuple>

#include "engine/GameRecord.h"
#include "engine/ModalPause.h"
#include "tests/unit/engine/EngineFixture.h"

namespace tintfall::test {
namespace {

class GameFlow : public EngineTest {
protected:
    int indexInLog(const std::string& entry) const {
        const auto it = std::find(host.log.begin(), host.log.end(), entry);
        return it == host.log.end() ? -1 : static_cast<int>(it - host.log.begin());
    }
};

TEST_F(GameFlow, NewGameStartsFromAnEmptyBoardAtTheStartLevel) {
    state.board.setCell(0, 14, 3);
    state.score = 500;
    state.stats.piecesCount = 9;
    state.stats.minDropSeconds = 2;
    state.keys[MoveLeft].held = 1;
    host.bestScore = 4321;
    settings.gameMode = Classic;
    clock.setMilliseconds(12345);
    game.newGame();
    EXPECT_EQ(occupiedCells(), 0);
    EXPECT_EQ(state.piece.column, 2);
    EXPECT_EQ(state.piece.row, 2);
    EXPECT_EQ(state.piece.kind, ThreeBlocks);
    EXPECT_EQ(state.level, 1);
    EXPECT_EQ(state.fallInterval, 1000);
    EXPECT_EQ(state.blocksToClear, 40);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.blocksRemoved, 0);
    EXPECT_EQ(state.timeLeft, -1);
    EXPECT_EQ(state.riseCountdown, -1);
    EXPECT_EQ(state.riseCountdownMax, -1);
    EXPECT_EQ(state.bestScoreToBeat, 4321);
    EXPECT_EQ(host.bestScoreModes, (std::vector<std::int32_t>{Classic}));
    EXPECT_EQ(state.bestSoundPending, 1);
    EXPECT_EQ(state.stats.startedText, host.dateTime);
    EXPECT_EQ(state.stats.piecesCount, 0);
    EXPECT_EQ(state.stats.minDropSeconds, 1000);
    EXPECT_EQ(state.stats.maxDropSeconds, 0);
    EXPECT_EQ(state.stats.sumDropSeconds, 0);
    EXPECT_EQ(state.stats.gameSeconds, 0);
    EXPECT_EQ(state.pieceSpawnSecond, 0);
    EXPECT_EQ(state.keys[MoveLeft].held, 0);
    EXPECT_EQ(state.clockRunning, 0);  // the start animation stops the clock
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(state.notPaused, 1);
    EXPECT_EQ(host.soundCount(GameStart), 1);
    EXPECT_EQ(host.sounds.front().second, 13);
    EXPECT_EQ(host.log.back(), "redraw");
}

TEST_F(GameFlow, TheStartAnimationPlaysBeforeTheGameRuns) {
    settings.levelAnimationDelay = 8;
    game.newGame();
    EXPECT_EQ(clock.totalSlept(), 144u * 8u);
    EXPECT_EQ(host.backgroundCells.size(), 72u);
}

TEST_F(GameFlow, PieceSizeAndStartLevelComeFromTheSettings) {
    settings.blockCountCode = 2;
    settings.startLevelIndex = 19;
    game.newGame();
    EXPECT_EQ(state.piece.kind, OneBlock);
    EXPECT_EQ(state.level, 20);
    EXPECT_EQ(state.fallInterval, 110);
    EXPECT_EQ(state.blocksToClear, 70);
}

TEST_F(GameFlow, SettingsOutsideTheirRangesStartAnOrdinaryGame) {
    settings.blockCountCode = 7;     // would be taken for a bomb kind
    settings.startLevelIndex = 25;   // there is no level 26
    game.newGame();
    EXPECT_EQ(state.piece.kind, ThreeBlocks);
    EXPECT_EQ(state.level, 1);
}

TEST_F(GameFlow, ARunningGameKeepsItsRulesWhateverTheCommandsAsk) {
    game.newGame();
    const GameSettings before = settings;
    game.chooseRule(RuleGroup::Mode, 2);
    game.toggleBombs();
    GameSettings chosen = settings;
    chosen.colourCount = Hard;
    chosen.startLevelIndex = 9;
    chosen.demolitionDelay = 300;
    game.applyOptions(chosen);
    game.toggleNextBar();
    EXPECT_EQ(std::tie(settings.gameMode, settings.colourCount, settings.bombsEnabled, settings.startLevelIndex),
              std::tie(before.gameMode, before.colourCount, before.bombsEnabled, before.startLevelIndex));
    EXPECT_EQ(settings.demolitionDelay, 300);
    EXPECT_EQ(settings.showNextBar, 1 - before.showNextBar);
}

TEST_F(GameFlow, TimerGamesStartWithThreeMinutesOrFifteenSecondsMore) {
    settings.gameMode = Timer;
    clock.setMilliseconds(5000);
    game.newGame();
    EXPECT_EQ(state.timeLeft, 180);
    EXPECT_EQ(state.timerStamp, 5000u);
    EXPECT_EQ(state.riseCountdown, -1);
    state.gameRunning = 0;
    settings.startLevelIndex = 7;
    game.newGame();
    EXPECT_EQ(state.level, 8);
    EXPECT_EQ(state.timeLeft, 195);
    EXPECT_EQ(state.fallInterval, 340);
    EXPECT_EQ(state.blocksToClear, 75);
}

TEST_F(GameFlow, EveryLevelFinishedInATimerGameAddsFifteenSeconds) {
    settings.gameMode = Timer;
    game.newGame();
    state.timeLeft = 42;
    game.advanceLevel();
    EXPECT_EQ(state.level, 2);
    EXPECT_EQ(state.timeLeft, 57);
    state.timeLeft = 3590;
    game.advanceLevel();
    EXPECT_EQ(state.timeLeft, 3599);
}

TEST_F(GameFlow, RisingGamesTakeTheCountdownOfTheStartLevel) {
    settings.gameMode = Rising;
    game.newGame();
    EXPECT_EQ(state.riseCountdown, 7);
    EXPECT_EQ(state.riseCountdownMax, 7);
    EXPECT_EQ(state.timeLeft, -1);
    state.gameRunning = 0;
    settings.startLevelIndex = 15;
    game.newGame();
    EXPECT_EQ(state.riseCountdown, 10);
}

TEST_F(GameFlow, GamesStartedInTheSameSecondShareTheirColours) {
    clock.setCalendarSeconds(777);
    game.newGame();
    const auto first = state.piece.colours;
    const auto next = state.nextColours;
    state.gameRunning = 0;
    game.newGame();
    EXPECT_EQ(state.piece.colours, first);
    EXPECT_EQ(state.nextColours, next);
    state.gameRunning = 0;
    clock.setCalendarSeconds(778);
    game.newGame();
    EXPECT_FALSE(state.piece.colours == first && state.nextColours == next);
}

TEST_F(GameFlow, StartOrStopStartsAGameWhenNoneRuns) {
    game.startOrStop(StartStopCaller::Menu);
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(GameFlow, AnsweringNoKeepsTheGameInItsPauseState) {
    game.newGame();
    state.clockRunning = 1;
    game.startOrStop(StartStopCaller::Menu);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Do you want to cancel current game?");
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(state.notPaused, 1);
    EXPECT_EQ(state.clockRunning, 0);

    game.togglePause();
    game.startOrStop(StartStopCaller::Menu);
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(state.notPaused, 0);
}

TEST_F(GameFlow, TheQuestionIsAskedWithTheGameStandingStill) {
    game.newGame();
    const int before = host.redraws;
    game.startOrStop(StartStopCaller::Menu);
    // The field was covered (redrawn paused) before the question.
    EXPECT_GT(host.redraws, before);
    EXPECT_EQ(host.log[static_cast<std::size_t>(indexInLog("ask") - 1)], "redraw");
}

TEST_F(GameFlow, AnsweringYesEndsAPausedGameAndUnpauses) {
    for (StartStopCaller caller : {StartStopCaller::Menu, StartStopCaller::PanelButton}) {
        game.newGame();
        game.togglePause();
        host.answerYes = true;
        game.startOrStop(caller);
        EXPECT_EQ(state.gameRunning, 0);
        EXPECT_EQ(state.notPaused, 1);
    }
    EXPECT_EQ(host.soundCount(GameOver), 2);
}

TEST_F(GameFlow, ACancelledGameEndsCoveredFromTheMenuAndAsItWasFromThePanel) {
    host.watched = &state;
    host.answerYes = true;
    for (StartStopCaller caller : {StartStopCaller::Menu, StartStopCaller::PanelButton}) {
        game.newGame();
        host.notPausedAtRedraw.clear();
        game.startOrStop(caller);
        // Frames: the question's, then the first of the game's end.
        ASSERT_GE(host.notPausedAtRedraw.size(), 2u);
        EXPECT_EQ(host.notPausedAtRedraw[1], caller == StartStopCaller::Menu ? 0 : 1);
        EXPECT_EQ(host.notPausedAtRedraw.back(), 1);
    }
}

TEST_F(GameFlow, NestedModalPausesRestoreTheOuterState) {
    game.newGame();
    {
        ModalPause outer(game);
        {
            ModalPause inner(game);
            EXPECT_EQ(state.clockRunning, 0);
        }
        EXPECT_EQ(state.notPaused, 0);
    }
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(GameFlow, TogglePauseStopsTheClockAndDoesNothingWithoutAGame) {
    game.togglePause();
    EXPECT_EQ(state.notPaused, 1);
    EXPECT_EQ(host.redraws, 0);
    game.newGame();
    state.clockRunning = 1;
    game.togglePause();
    EXPECT_EQ(state.notPaused, 0);
    EXPECT_EQ(state.clockRunning, 0);
    game.togglePause();
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(GameFlow, GameOverAveragesTheDropTimesAndCoversTheField) {
    game.newGame();
    state.stats.piecesCount = 2;
    state.stats.sumDropSeconds = 15;  // 2 + 4 for the pieces, 9 for a bomb
    host.clear();
    game.gameOver();
    EXPECT_EQ(state.stats.sumDropSeconds, 7);
    EXPECT_EQ(state.stats.finishedText, host.dateTime);
    EXPECT_EQ(host.coverCells.size(), 72u);
    EXPECT_EQ(state.gameRunning, 0);
    EXPECT_EQ(host.sounds.front(), std::make_pair(GameOver, 8));
    EXPECT_EQ(host.log.front(), "redraw");
}

TEST_F(GameFlow, AGameLostBeforeAnyLandingKeepsItsDropStatistics) {
    game.newGame();
    state.score = 5;
    host.qualifying = 0;
    game.gameOver();
    ASSERT_EQ(host.results.size(), 1u);
    EXPECT_EQ(host.results[0].minDropSeconds, 1000);
    EXPECT_EQ(host.results[0].maxDropSeconds, 0);
    EXPECT_EQ(host.results[0].averageDropSeconds, 0);
}

TEST_F(GameFlow, OnlyAQualifyingScoreIsRecorded) {
    game.newGame();
    host.qualifying = 1000;
    state.score = 999;
    game.gameOver();
    EXPECT_TRUE(host.results.empty());
    game.newGame();
    state.score = 1000;
    game.gameOver();
    ASSERT_EQ(host.results.size(), 1u);
    EXPECT_EQ(host.results[0].score, 1000);
    // Recorded once the game is over, then the window is redrawn.
    EXPECT_EQ(host.log.back(), "redraw");
    EXPECT_EQ(host.log[host.log.size() - 2], "recordResult");
}

TEST_F(GameFlow, AWinShowsTheMessageBeforeRecording) {
    game.newGame();
    state.stats.piecesCount = 3;
    state.stats.sumDropSeconds = 10;
    state.score = 5000000;
    game.gameWon();
    EXPECT_EQ(state.stats.sumDropSeconds, 3);
    EXPECT_EQ(host.soundCount(YouWin), 1);
    EXPECT_EQ(host.soundCount(GameOver), 0);
    EXPECT_LT(indexInLog("winner"), indexInLog("recordResult"));
    EXPECT_EQ(host.results.size(), 1u);
}

TEST_F(GameFlow, AWinWithoutAnyLandedPieceDoesNotDivideByZero) {
    game.newGame();
    state.stats.sumDropSeconds = 6;
    game.gameWon();
    EXPECT_EQ(state.stats.sumDropSeconds, 6);
    EXPECT_EQ(host.winnerMessages, 1);
}

TEST_F(GameFlow, ModalDialogsSuspendAndRestoreThePauseStateEvenWhenNested) {
    game.newGame();
    state.clockRunning = 1;
    const std::int32_t outer = game.suspendForModal();
    EXPECT_EQ(state.notPaused, 0);
    EXPECT_EQ(state.clockRunning, 0);
    const std::int32_t inner = game.suspendForModal();
    game.resumeAfterModal(inner);
    EXPECT_EQ(state.notPaused, 0);
    game.resumeAfterModal(outer);
    EXPECT_EQ(state.notPaused, 1);

    game.togglePause();
    game.resumeAfterModal(game.suspendForModal());
    EXPECT_EQ(state.notPaused, 0);
}

TEST(GameRecord, FormedFromTheStateAndTheSettingsOfTheGame) {
    GameState state;
    GameSettings settings;
    settings.gameMode = Rising;
    settings.colourCount = Hard;
    settings.blockCountCode = 1;
    settings.bombsEnabled = 0;
    state.level = 7;
    state.score = 12345;
    state.blocksRemoved = 321;
    state.stats.startedText = "start";
    state.stats.finishedText = "end";
    state.stats.gameSeconds = 600;
    state.stats.piecesCount = 80;
    state.stats.bombsCount = 4;
    state.stats.minDropSeconds = 1;
    state.stats.maxDropSeconds = 9;
    state.stats.sumDropSeconds = 3;
    const GameResult result = makeGameResult(state, settings);
    EXPECT_EQ(result.name, "");
    EXPECT_EQ(result.level, 7);
    EXPECT_EQ(result.score, 12345);
    EXPECT_EQ(result.blocksRemoved, 321);
    EXPECT_EQ(result.hasInfo, 1);
    EXPECT_EQ(result.startedText, "start");
    EXPECT_EQ(result.finishedText, "end");
    EXPECT_EQ(result.gameSeconds, 600);
    EXPECT_EQ(result.piecesCount, 80);
    EXPECT_EQ(result.bombsCount, 4);
    EXPECT_EQ(result.minDropSeconds, 1);
    EXPECT_EQ(result.maxDropSeconds, 9);
    EXPECT_EQ(result.averageDropSeconds, 3);
    EXPECT_EQ(result.bombsEnabled, 0);
    EXPECT_EQ(result.gameMode, Rising);
    EXPECT_EQ(result.colourCount, Hard);
    EXPECT_EQ(result.blockCountCode, 1);
    EXPECT_EQ(result.country, "Local");
}

}  // namespace
}  // namespace tintfall::test
