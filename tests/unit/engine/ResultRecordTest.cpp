// The hand-off of a finished game to the score book: which results are
// offered, the name prompt, and what reaches "data.tft" and "lastname.dat".
#include <gtest/gtest.h>

#include <string>

#include "GameTestSupport.h"
#include "scores/GameInfo.h"
#include "scores/LastNameFile.h"

using namespace tintfall;
using namespace tintfall::testing;

namespace {

class ResultRecordTest : public ::testing::Test {
protected:
    // Starts a game and cancels it at once: score 0, level 1.
    void playAndCancel() {
        driver_.pressStartStop();
        driver_.host().yesNoAnswers.push_back(true);
        driver_.pressStartStop();
        ASSERT_EQ(driver_.state().gameRunning, 0);
    }
    // Starts a game and drops pieces until it is lost.
    void playUntilLost() {
        driver_.pressStartStop();
        const std::int32_t drop = driver_.settings().keyCode[DropBottom];
        driver_.runWith([&](GameDriver& d) {
            d.keyUp(drop);
            d.keyDown(drop);
        }, kLongGame);
        ASSERT_EQ(driver_.state().gameRunning, 0);
    }
    std::optional<std::vector<std::uint8_t>> fileBytes(const char* name) {
        Files& files = driver_.files();
        return files.read(driver_.baseFolder() + name);
    }
    bool fileExists(const char* name) { return driver_.files().exists(driver_.baseFolder() + name); }

    GameDriver driver_;
};

}  // namespace

TEST_F(ResultRecordTest, QualifyingResultReachesTheBookWithItsName) {
    driver_.host().nameAnswers.push_back(std::string("Blue Fox"));
    playUntilLost();
    ASSERT_GT(driver_.state().score, 0);

    const ScoreBook book = loadBook(driver_);
    const ScoreEntry& entry = book.tables[ClassicTable].rows[0];
    EXPECT_EQ(entry.name, "Blue Fox");
    EXPECT_EQ(entry.score, driver_.state().score);
    EXPECT_EQ(book.topScore[ClassicTable], driver_.state().score);
    EXPECT_EQ(book.tables[ClassicTable].lastUpdateText, "Sunday, 13 March 2011 7:46:40");
    EXPECT_EQ(book.tables[TimerTable].rows[0].hasInfo, 0);
    EXPECT_EQ(readLastName(driver_.files(), driver_.baseFolder()), "Blue Fox");
    // The next game starts with that score to beat.
    driver_.host().nameAnswers.push_back(std::nullopt);
    playAndCancel();
    EXPECT_EQ(driver_.state().bestScoreToBeat, book.topScore[ClassicTable]);
}

TEST_F(ResultRecordTest, NextPromptProposesTheLastNameAndTheTableKeepsItsOrder) {
    driver_.host().nameAnswers.push_back(std::string("First"));
    playUntilLost();
    const std::int32_t firstScore = driver_.state().score;
    driver_.host().nameAnswers.push_back(std::string("Second"));
    playAndCancel();

    ASSERT_EQ(driver_.host().namePromptsProposed.size(), 2u);
    EXPECT_EQ(driver_.host().namePromptsProposed[0], "");
    EXPECT_EQ(driver_.host().namePromptsProposed[1], "First");
    const ScoreBook book = loadBook(driver_);
    EXPECT_EQ(book.tables[ClassicTable].rows[0].name, "First");
    EXPECT_EQ(book.tables[ClassicTable].rows[0].score, firstScore);
    EXPECT_EQ(book.tables[ClassicTable].rows[1].name, "Second");
    EXPECT_EQ(book.tables[ClassicTable].rows[1].score, 0);
}

TEST_F(ResultRecordTest, ResultBelowTheTenthRowOpensNoPrompt) {
    writeFullTable(driver_, ClassicTable, 1000000);
    const auto before = fileBytes("data.tft");
    ASSERT_TRUE(before.has_value());
    driver_.host().nameAnswers.push_back(std::string("Never asked"));
    playUntilLost();

    EXPECT_EQ(driver_.state().bestScoreToBeat, 1000000);
    EXPECT_TRUE(driver_.host().namePromptsProposed.empty());
    EXPECT_EQ(driver_.host().dialogs, std::vector<std::string>{});
    EXPECT_EQ(fileBytes("data.tft"), before);
    EXPECT_FALSE(fileExists("lastname.dat"));
}

TEST_F(ResultRecordTest, OnlyTheTableOfTheGamesModeDecides) {
    // A full Classic table does not keep a Timer result out.
    writeFullTable(driver_, ClassicTable, 1000000);
    driver_.settings().gameMode = Timer;
    driver_.host().nameAnswers.push_back(std::string("Timed"));
    playAndCancel();
    const ScoreBook book = loadBook(driver_);
    EXPECT_EQ(book.tables[TimerTable].rows[0].name, "Timed");
    EXPECT_EQ(book.tables[ClassicTable].rows[9].score, 1000000);
}

TEST_F(ResultRecordTest, ScoreEqualToTheTenthRowIsOfferedButMayNotEnter) {
    // Ten rows of score 0 at level 5: a cancelled game (score 0, level 1)
    // reaches the tenth score, is asked for a name and ranks below them all.
    writeFullTable(driver_, ClassicTable, 0);
    driver_.host().nameAnswers.push_back(std::string("Late"));
    playAndCancel();
    ASSERT_EQ(driver_.host().namePromptsProposed.size(), 1u);
    ASSERT_EQ(driver_.host().recordedPlaces.size(), 1u);
    EXPECT_FALSE(driver_.host().recordedPlaces[0].has_value());
    const ScoreBook book = loadBook(driver_);
    for (const ScoreEntry& row : book.tables[ClassicTable].rows) EXPECT_EQ(row.name, "Old");
}

TEST_F(ResultRecordTest, CancelledPromptRecordsNothing) {
    ASSERT_TRUE(writeLastName(driver_.files(), driver_.baseFolder(), "Blue Fox"));
    const auto lastName = fileBytes("lastname.dat");
    driver_.host().nameAnswers.push_back(std::nullopt);
    playUntilLost();

    ASSERT_EQ(driver_.host().namePromptsProposed.size(), 1u);
    EXPECT_EQ(driver_.host().namePromptsProposed[0], "Blue Fox");
    EXPECT_TRUE(driver_.host().recordedResults.empty());
    EXPECT_FALSE(fileExists("data.tft"));
    EXPECT_EQ(fileBytes("lastname.dat"), lastName);
}

TEST_F(ResultRecordTest, EmptyNameIsAcceptedAndRemembered) {
    ASSERT_TRUE(writeLastName(driver_.files(), driver_.baseFolder(), "Blue Fox"));
    driver_.host().nameAnswers.push_back(std::string());
    playAndCancel();
    EXPECT_EQ(loadBook(driver_).tables[ClassicTable].rows[0].name, "");
    EXPECT_EQ(loadBook(driver_).tables[ClassicTable].rows[0].hasInfo, 1);
    EXPECT_EQ(readLastName(driver_.files(), driver_.baseFolder()), "");
}

TEST_F(ResultRecordTest, ForeignScoreFileIsReplacedByABookWithTheResult) {
    ASSERT_TRUE(driver_.files().write(driver_.baseFolder() + "data.tft", {'J', 'U', 'N', 'K'}));
    driver_.host().nameAnswers.push_back(std::string("Fresh"));
    playAndCancel();
    EXPECT_EQ(driver_.state().bestScoreToBeat, 0);
    const ScoreBook book = loadBook(driver_);
    EXPECT_EQ(book.tables[ClassicTable].rows[0].name, "Fresh");
    EXPECT_EQ(book.tables[ClassicTable].rows[1].name, "Empty");
}

TEST_F(ResultRecordTest, StoredRulesOutOfRangeAreRecordedAsTheRulesPlayed) {
    // A hand-edited options file: played as Classic, Normal, three-block
    // pieces with bombs, and recorded so.
    driver_.settings().gameMode = 5;
    driver_.settings().colourCount = 7;
    driver_.settings().blockCountCode = -3;
    driver_.settings().bombsEnabled = 9;
    driver_.host().nameAnswers.push_back(std::string("Edited"));
    playUntilLost();
    const ScoreBook book = loadBook(driver_);
    const ScoreEntry& entry = book.tables[ClassicTable].rows[0];
    ASSERT_EQ(entry.name, "Edited");
    EXPECT_EQ(entry.gameMode, Classic);
    EXPECT_EQ(entry.colourCount, Normal);
    EXPECT_EQ(entry.blockCountCode, 0);
    EXPECT_EQ(entry.bombsEnabled, 1);
    const std::string info = gameInfoText(entry).body;
    EXPECT_NE(info.find("Game mode: Classic\nDifficulty: Normal\nNumber of blocks: 3 blocks\n"), std::string::npos)
        << info;
}
