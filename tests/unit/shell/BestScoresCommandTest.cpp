#include "scores/LastNameFile.h"
#include "tests/support/PlayedEntry.h"
#include "tests/unit/shell/CommandFixture.h"

namespace tintfall {
namespace {

struct BestScoresCommandTest : GameCommandFixture {
    // A finished game's result, before the player has named it.
    GameResult finished(std::int32_t mode, std::int32_t score, std::int32_t level = 2, std::int32_t blocks = 30) {
        return playedEntry(mode, score, level, blocks, "");
    }
    std::string shownNumber(int place) {
        return runner.bestScores.text(BestScoresDialog::rowControlId(place, BestScoresDialog::NumberColumn));
    }
    std::string shownName(int place) {
        return runner.bestScores.text(BestScoresDialog::rowControlId(place, BestScoresDialog::NameColumn));
    }
};

TEST_F(BestScoresCommandTest, F4OnAnEmptyFolderShowsTheEmptyClassicTable) {
    state.notPaused = 1;
    bestScores.showBestScores(BestScoresStart::LocalClassic);
    ASSERT_EQ(runner.bestScoresShown, 1);
    EXPECT_EQ(runner.bestScoresTable, ClassicTable);
    EXPECT_EQ(runner.bestScores.title(), "Local Best Scores - Classic mode");
    for (int place = 1; place <= 10; ++place) EXPECT_EQ(shownName(place), "Empty");
    EXPECT_TRUE(files.exists(path("data.tft")));
    EXPECT_EQ(runner.snapshots[0].notPaused, 0);
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(BestScoresCommandTest, F5OpensTheInternetTable) {
    bestScores.showBestScores(BestScoresStart::InternetTop10);
    EXPECT_EQ(runner.bestScoresTable, InternetTable);
    EXPECT_EQ(runner.bestScores.title(), "Internet Best Scores - Top 10");
}

TEST_F(BestScoresCommandTest, QualifyingResultIsNamedEnteredAndMarked) {
    runner.nameAnswers.push_back(std::string("Blue Fox"));
    bestScores.recordResult(finished(Timer, 800));
    EXPECT_EQ(static_cast<int>(runner.namePromptsProposed.size()), 1);
    ASSERT_EQ(runner.bestScoresShown, 1);
    EXPECT_EQ(runner.bestScoresTable, TimerTable);
    EXPECT_TRUE(runner.bestScores.isChecked(IDC_TABLE_TIMER));
    EXPECT_EQ(shownNumber(1), ">1<");
    EXPECT_EQ(shownName(1), "Blue Fox");
    EXPECT_EQ(readLastName(files, kFolder), "Blue Fox");
    EXPECT_EQ(bestLocalScore(files, kFolder, Timer), 800);

    // The next prompt proposes the name.
    runner.nameAnswers.push_back(std::string("Blue Fox"));
    bestScores.recordResult(finished(Timer, 900));
    EXPECT_EQ(runner.namePromptsProposed.back(), "Blue Fox");
    EXPECT_EQ(shownNumber(1), ">1<");
    EXPECT_EQ(shownNumber(2), "2");
}

TEST_F(BestScoresCommandTest, CancelledPromptRecordsNothing) {
    runner.nameAnswers.clear();
    bestScores.recordResult(finished(Classic, 500));
    EXPECT_EQ(static_cast<int>(runner.namePromptsProposed.size()), 1);
    EXPECT_EQ(runner.bestScoresShown, 0);
    EXPECT_FALSE(files.exists(path("data.tft")));
    EXPECT_FALSE(files.exists(path("lastname.dat")));
}

TEST_F(BestScoresCommandTest, EmptyNameStandsInTheTable) {
    runner.nameAnswers.push_back(std::string(""));
    bestScores.recordResult(finished(Rising, 10));
    EXPECT_EQ(shownName(1), "");
    EXPECT_EQ(shownNumber(1), ">1<");
}

TEST_F(BestScoresCommandTest, ScoreEqualToPlaceTenIsAskedButNotEntered) {
    ScoreBook book;
    for (int i = 1; i <= 10; ++i) {
        ScoreEntry row;
        row.name = "Row" + std::to_string(i);
        row.score = 1000 - i * 10;
        row.level = 2;
        row.blocksRemoved = 30;
        book.insertEntry(ClassicTable, row, "Earlier");
    }
    ASSERT_TRUE(book.save(files, kFolder));
    runner.nameAnswers.push_back(std::string("Late"));
    bestScores.recordResult(finished(Classic, 900, 2, 30));  // ties place 10 on all three
    EXPECT_EQ(static_cast<int>(runner.namePromptsProposed.size()), 1);
    ASSERT_EQ(runner.bestScoresShown, 1);
    for (int place = 1; place <= 10; ++place) {
        EXPECT_EQ(shownNumber(place), std::to_string(place));
        EXPECT_NE(shownName(place), "Late");
    }
    EXPECT_EQ(runner.bestScores.text(IDC_LAST_UPDATE), "Last update: Earlier");
}

}  // namespace
}  // namespace tintfall
