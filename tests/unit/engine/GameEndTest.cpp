// Each way a game ends, played whole in every mode with and without bombs,
// and the record each one leaves in the score book.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "GameTestSupport.h"
#include "tests/support/RandomPlayer.h"
#include "tests/support/RunningGame.h"

using namespace tintfall;
using namespace tintfall::testing;

namespace {

class GameEndTest : public ::testing::TestWithParam<std::tuple<GameMode, int>> {
protected:
    void SetUp() override {
        driver_.settings().gameMode = std::get<0>(GetParam());
        driver_.settings().bombsEnabled = std::get<1>(GetParam());
        driver_.host().nameAnswers.push_back(std::string("Ann"));
    }
    GameMode mode() const { return std::get<0>(GetParam()); }

    // The result as it reached "data.tft": the only row of its mode's table.
    ScoreEntry recordedEntry() {
        EXPECT_EQ(driver_.host().recordedResults.size(), 1u);
        const ScoreBook book = loadBook(driver_);
        const ScoreEntry& entry = book.tables[mode()].rows[0];
        EXPECT_EQ(entry.name, "Ann");
        EXPECT_EQ(book.tables[mode()].rows[1].hasInfo, 0);
        return entry;
    }

    // What every ended game has in common, and the record it leaves.
    void expectEndedAndRecorded(SoundEvent endSound) {
        const GameState& s = driver_.state();
        EXPECT_EQ(s.gameRunning, 0);
        EXPECT_EQ(s.notPaused, 1);
        EXPECT_EQ(driver_.host().soundCount(endSound), 1);
        EXPECT_EQ(driver_.host().soundCount(endSound == GameOver ? YouWin : GameOver), 0);
        EXPECT_GT(driver_.host().draws.coverCells, 0);  // the end animation covered the field

        const ScoreEntry entry = recordedEntry();
        const GameSettings& settings = driver_.settings();
        EXPECT_EQ(entry.level, s.level);
        EXPECT_EQ(entry.score, s.score);
        EXPECT_EQ(entry.blocksRemoved, s.blocksRemoved);
        EXPECT_EQ(entry.hasInfo, 1);
        EXPECT_EQ(entry.country, "Local");
        EXPECT_EQ(entry.gameMode, settings.gameMode);
        EXPECT_EQ(entry.bombsEnabled, settings.bombsEnabled);
        EXPECT_EQ(entry.colourCount, settings.colourCount);
        EXPECT_EQ(entry.blockCountCode, settings.blockCountCode);
        EXPECT_EQ(entry.startedText, "Sunday, 13 March 2011 7:46:40");
        EXPECT_EQ(entry.finishedText, entry.startedText);  // the driver's calendar stands still
        EXPECT_EQ(entry.gameSeconds, s.stats.gameSeconds);
        EXPECT_EQ(entry.piecesCount, s.stats.piecesCount);
        EXPECT_EQ(entry.bombsCount, s.stats.bombsCount);
        EXPECT_EQ(entry.minDropSeconds, s.stats.minDropSeconds);
        EXPECT_EQ(entry.maxDropSeconds, s.stats.maxDropSeconds);
        EXPECT_EQ(entry.averageDropSeconds, s.stats.sumDropSeconds);
    }

    GameDriver driver_;
};

std::string paramName(const ::testing::TestParamInfo<std::tuple<GameMode, int>>& info) {
    static const char* const modes[] = {"Classic", "Timer", "Rising"};
    return std::string(modes[std::get<0>(info.param)]) + (std::get<1>(info.param) ? "WithBombs" : "NoBombs");
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(AllModes, GameEndTest,
                         ::testing::Combine(::testing::Values(Classic, Timer, Rising), ::testing::Values(0, 1)),
                         paramName);

TEST_P(GameEndTest, LostWhenTheStackReachesTheHiddenRows) {
    driver_.pressStartStop();
    // Nobody plays: every piece falls into the middle column.
    std::int32_t sumBeforeLastTick = 0;
    driver_.runWith([&](GameDriver& d) { sumBeforeLastTick = d.state().stats.sumDropSeconds; }, kLongGame);

    EXPECT_TRUE(hiddenRowsOccupied(driver_.state()));
    if (mode() == Timer) {
        EXPECT_GT(driver_.state().timeLeft, 0);
    }
    expectEndedAndRecorded(GameOver);
    const GameStats& stats = driver_.state().stats;
    ASSERT_GT(stats.piecesCount, 0);
    EXPECT_GE(stats.maxDropSeconds, stats.minDropSeconds);
    EXPECT_GT(stats.maxDropSeconds, 5);  // a piece takes about 13 s to fall
    if (mode() != Rising) {
        // The landing that overflowed counts as a piece but adds no drop time.
        EXPECT_EQ(stats.sumDropSeconds, sumBeforeLastTick / stats.piecesCount);
    }
}

TEST_P(GameEndTest, LostByARandomPlayerWithTheRecordOnDisk) {
    driver_.pressStartStop();
    RandomPlayer player(7);
    driver_.runWith(std::ref(player), kLongGame);
    expectEndedAndRecorded(GameOver);
    ASSERT_EQ(driver_.host().recordedPlaces.size(), 1u);
    ASSERT_TRUE(driver_.host().recordedPlaces[0].has_value());
    EXPECT_EQ(*driver_.host().recordedPlaces[0], 0);
}

TEST_P(GameEndTest, CancelledAtOnceKeepsTheUntouchedDropStatistics) {
    driver_.pressStartStop();
    driver_.host().yesNoAnswers.push_back(true);
    driver_.pressStartStop();
    expectEndedAndRecorded(GameOver);
    const ScoreEntry entry = recordedEntry();
    EXPECT_EQ(entry.piecesCount, 0);
    EXPECT_EQ(entry.minDropSeconds, 1000);
    EXPECT_EQ(entry.maxDropSeconds, 0);
    EXPECT_EQ(entry.averageDropSeconds, 0);
    EXPECT_EQ(entry.score, 0);  // an empty table takes even a zero score
    EXPECT_EQ(entry.level, 1);
}

TEST_P(GameEndTest, CancelledAfterPlayRecordsTheAverageDropTime) {
    driver_.pressStartStop();
    const std::int32_t drop = driver_.settings().keyCode[DropBottom];
    // Three pieces, each dropped after waiting about three seconds.
    std::vector<KeyEvent> script;
    for (int i = 0; i < 3; ++i) {
        script.push_back({150 * (i + 1), drop, true});
        script.push_back({150 * (i + 1) + 1, drop, false});
    }
    driver_.run(script, 460);
    ASSERT_EQ(driver_.state().gameRunning, 1);
    const GameStats before = driver_.state().stats;
    ASSERT_EQ(before.piecesCount + before.bombsCount, 3);
    ASSERT_GT(before.sumDropSeconds, 0);

    driver_.host().yesNoAnswers.push_back(true);
    driver_.pressStartStop();
    expectEndedAndRecorded(GameOver);
    const ScoreEntry entry = recordedEntry();
    EXPECT_EQ(entry.averageDropSeconds, before.sumDropSeconds / before.piecesCount);
    EXPECT_GE(entry.minDropSeconds, 2);
    EXPECT_LE(entry.maxDropSeconds, 3);
}

TEST_P(GameEndTest, WonOnFinishingLevelTwenty) {
    driver_.pressStartStop();
    GameState& s = driver_.state();
    setOneDropFromWinning(s);
    s.lastFallTime = driver_.clock().milliseconds();  // no gravity step before the drop
    driver_.tap(driver_.settings().keyCode[DropBottom]);

    EXPECT_EQ(s.level, 20);
    EXPECT_EQ(s.blocksToClear, 0);
    EXPECT_EQ(s.blocksRemoved, 3);
    EXPECT_EQ(s.score, 120 + 100);  // twelve rows dropped, three blocks removed
    EXPECT_EQ(driver_.host().winnerMessages, 1);
    EXPECT_EQ(driver_.host().soundCount(LevelFinished), 0);
    // The winner box comes before the name prompt.
    EXPECT_EQ(driver_.host().dialogs, (std::vector<std::string>{"winner", "name"}));
    expectEndedAndRecorded(YouWin);
    const ScoreEntry entry = recordedEntry();
    EXPECT_EQ(entry.level, 20);
    EXPECT_EQ(entry.piecesCount, 1);
    EXPECT_EQ(entry.averageDropSeconds, 0);
    EXPECT_EQ(entry.minDropSeconds, 0);
}

TEST(GameEnd, LostByTheTimerCountingDownToNothing) {
    GameDriver driver;
    driver.settings().gameMode = Timer;
    driver.settings().blockCountCode = 2;  // single blocks, spread and never dropped
    driver.host().nameAnswers.push_back(std::string("Clock"));
    driver.pressStartStop();
    RandomPlayer player(3, false);
    const int ticks = driver.runWith(std::ref(player), kLongGame);

    const GameState& s = driver.state();
    EXPECT_EQ(s.gameRunning, 0);
    EXPECT_EQ(s.timeLeft, 0);
    EXPECT_FALSE(hiddenRowsOccupied(s));
    EXPECT_GE(s.stats.gameSeconds, 180);
    EXPECT_GE(ticks, 180 * 50);
    // "Timer" sounds once a second over the last ten seconds and at the end.
    EXPECT_GE(driver.host().soundCount(TimerTick), 11);
    EXPECT_EQ(driver.host().soundCount(GameOver), 1);
    ASSERT_EQ(driver.host().recordedResults.size(), 1u);
    EXPECT_EQ(loadBook(driver).tables[TimerTable].rows[0].name, "Clock");
}

class RisingRowTest : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Bombs, RisingRowTest, ::testing::Values(0, 1));

TEST_P(RisingRowTest, LostWhenAPushedRowLiftsTheStackIntoTheHiddenRows) {
    GameDriver driver;
    driver.settings().gameMode = Rising;
    driver.settings().bombsEnabled = GetParam();
    driver.host().nameAnswers.push_back(std::string("Riser"));
    driver.pressStartStop();
    GameState& s = driver.state();
    // A full field without runs, with room for the piece at the top of the
    // middle column; the piece's colours continue the pattern.
    for (int column = 0; column < kColumns; ++column) fillPattern(s.board, column, column == 2 ? 6 : 3);
    s.piece.kind = ThreeBlocks;
    s.piece.colours = {patternColour(2, 5), patternColour(2, 4), patternColour(2, 3)};
    s.riseCountdown = 1;  // a landing that removes nothing takes 2
    s.lastFallTime = driver.clock().milliseconds();
    driver.tap(driver.settings().keyCode[DropBottom]);

    EXPECT_EQ(s.gameRunning, 0);
    EXPECT_EQ(driver.host().soundCount(RowAdded), 1);
    EXPECT_EQ(driver.host().soundCount(GameOver), 1);
    EXPECT_EQ(s.blocksRemoved, 0);
    // The piece landed in the visible rows; the row lifted its top block into row 2.
    EXPECT_EQ(s.board.cell(2, 2), patternColour(2, 3));
    EXPECT_EQ(s.board.cell(0, 2), patternColour(0, 3));
    EXPECT_EQ(s.riseCountdown, s.riseCountdownMax);
    ASSERT_EQ(driver.host().recordedResults.size(), 1u);
    const ScoreEntry entry = loadBook(driver).tables[RisingTable].rows[0];
    EXPECT_EQ(entry.name, "Riser");
    EXPECT_EQ(entry.piecesCount, 1);
    EXPECT_EQ(entry.score, 30);  // three rows dropped
    EXPECT_EQ(entry.bombsEnabled, GetParam());
}
