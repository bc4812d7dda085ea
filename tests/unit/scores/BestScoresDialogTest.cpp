#include <gtest/gtest.h>

#include "net/InternetTransfers.h"
#include "net/Top10File.h"
#include "tests/support/FakeControls.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"
#include "platform/headless/ManualClock.h"
#include "resources/dialog_ids.h"
#include "scores/BestScoresDialog.h"
#include "scores/GameInfo.h"
#include "settings/GameSettings.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/PlayedEntry.h"
#include "tests/support/SampleTime.h"

namespace tintfall {
namespace {

const std::string kBookPath = std::string(kBaseFolder) + "data.tft";

struct BestScores : ::testing::Test {
    MemoryFiles files;
    ManualClock clock;
    TestFtpClient ftp{files};
    ScriptedInternetDialogs internetDialogs;
    InternetTransfers internet{files, clock, ftp, internetDialogs};
    FakeControls controls;

    BestScores() { clock.setLocalTime(kSampleTime); }

    BestScoresDialog open(ScoreTableId table, std::optional<ScoreEntry> pendingResult = std::nullopt) {
        BestScoresDialog dialog(files, clock, internet, kBaseFolder, "KEY", table);
        if (pendingResult) dialog.setPendingResult(*pendingResult);
        dialog.onInit(controls);
        return dialog;
    }
    // A book on disk whose table holds rows with the given scores, level 5, 10 blocks each.
    void storeTable(ScoreTableId table, std::initializer_list<std::int32_t> scores) {
        ScoreBook book;
        book.load(files, kBaseFolder);
        for (std::int32_t score : scores) book.insertEntry(table, playedEntry(table, score, 5, 10, "Row"), "Earlier");
        ASSERT_TRUE(book.save(files, kBaseFolder));
    }
    std::string number(int place) { return controls.text(BestScoresDialog::rowControlId(place, BestScoresDialog::NumberColumn)); }
    std::string name(int place) { return controls.text(BestScoresDialog::rowControlId(place, BestScoresDialog::NameColumn)); }
    std::string score(int place) { return controls.text(BestScoresDialog::rowControlId(place, BestScoresDialog::ScoresColumn)); }
    bool infoEnabled(int place) { return controls.enabled(BestScoresDialog::rowControlId(place, BestScoresDialog::InfoColumn)); }
    int markedPlaces() {
        int marked = 0;
        for (int place = 1; place <= 10; ++place)
            if (number(place) != std::to_string(place)) ++marked;
        return marked;
    }
};

TEST_F(BestScores, WithoutAFileShowsTenEmptyRowsAndCreatesTheFile) {
    auto dialog = open(ClassicTable);
    EXPECT_EQ(controls.endResult(), 0);
    for (int place = 1; place <= 10; ++place) {
        EXPECT_EQ(number(place), std::to_string(place));
        EXPECT_EQ(name(place), "Empty");
        EXPECT_EQ(score(place), "0");
        EXPECT_EQ(controls.text(BestScoresDialog::rowControlId(place, BestScoresDialog::LevelColumn)), "0");
        EXPECT_EQ(controls.text(BestScoresDialog::rowControlId(place, BestScoresDialog::BlocksColumn)), "0");
        EXPECT_FALSE(infoEnabled(place));
    }
    EXPECT_EQ(controls.text(IDC_LAST_UPDATE), "Last update: Never");
    EXPECT_EQ(controls.title(), "Local Best Scores - Classic mode");
    EXPECT_TRUE(controls.isChecked(IDC_TABLE_CLASSIC));
    EXPECT_FALSE(controls.isChecked(IDC_TABLE_INTERNET));
    EXPECT_TRUE(files.exists(kBookPath));
    EXPECT_TRUE(controls.messages().empty());
}

TEST_F(BestScores, GridIdsFollowTheTemplate) {
    EXPECT_EQ(BestScoresDialog::rowControlId(1, BestScoresDialog::NumberColumn), 1015);
    EXPECT_EQ(BestScoresDialog::rowControlId(1, BestScoresDialog::InfoColumn), 1020);
    EXPECT_EQ(BestScoresDialog::rowControlId(5, BestScoresDialog::InfoColumn), 1049);
    EXPECT_EQ(BestScoresDialog::rowControlId(6, BestScoresDialog::NumberColumn), 1056);
    EXPECT_EQ(BestScoresDialog::rowControlId(10, BestScoresDialog::InfoColumn), 1085);
}

TEST_F(BestScores, InternetTableOpensOnTop10) {
    open(InternetTable);
    EXPECT_EQ(controls.title(), "Internet Best Scores - Top 10");
    EXPECT_TRUE(controls.isChecked(IDC_TABLE_INTERNET));
    EXPECT_FALSE(controls.isChecked(IDC_TABLE_CLASSIC));
}

TEST_F(BestScores, ForeignFileIsReplacedByAnEmptyBook) {
    files.contents[kBookPath] = {3, 'B', 'A', 'D'};
    open(TimerTable);
    EXPECT_EQ(controls.endResult(), 0);
    EXPECT_EQ(name(1), "Empty");
    ScoreBook book;
    EXPECT_TRUE(book.load(files, kBaseFolder));
}

TEST_F(BestScores, ADamagedBookIsKeptBesideTheEmptyOneNeverOverAnEarlierCopy) {
    storeTable(ClassicTable, {900, 800, 700});
    std::vector<std::uint8_t> damaged = files.contents[kBookPath];
    damaged.pop_back();
    files.contents[kBookPath] = damaged;
    open(ClassicTable);
    EXPECT_EQ(name(1), "Empty");
    EXPECT_TRUE(controls.messages().empty());
    EXPECT_EQ(files.contents[kBookPath + ".damaged"], damaged);

    const std::vector<std::uint8_t> foreign = {3, 'B', 'A', 'D'};
    files.contents[kBookPath] = foreign;
    open(ClassicTable, playedEntry(Classic, 10, 1, 1));
    EXPECT_EQ(name(1), "Player");
    EXPECT_EQ(files.contents[kBookPath + ".damaged"], damaged);
    EXPECT_EQ(files.contents[kBookPath + ".damaged2"], foreign);

    // One that cannot be put aside is replaced all the same: the dialog
    // stays open and the result is entered.
    files.contents[kBookPath] = foreign;
    files.unwritable.insert(kBookPath + ".damaged3");
    open(ClassicTable, playedEntry(Classic, 20, 1, 1));
    EXPECT_EQ(controls.endResult(), 0);
    EXPECT_TRUE(controls.messages().empty());
    EXPECT_EQ(score(1), "20");
}

TEST_F(BestScores, PendingResultIsEnteredMarkedAndSaved) {
    storeTable(TimerTable, {900, 800, 300, 200});
    auto dialog = open(TimerTable, playedEntry(Timer, 500, 3, 40, "Blue Fox"));
    EXPECT_EQ(number(3), ">3<");
    EXPECT_EQ(name(3), "Blue Fox");
    EXPECT_EQ(score(3), "500");
    EXPECT_TRUE(infoEnabled(3));
    EXPECT_EQ(markedPlaces(), 1);
    EXPECT_EQ(controls.text(IDC_LAST_UPDATE), "Last update: Sunday, 5 January 2003 9:05:07");
    EXPECT_TRUE(controls.isChecked(IDC_TABLE_TIMER));
    EXPECT_EQ(controls.title(), "Local Best Scores - Timer mode");

    ScoreBook saved;
    ASSERT_TRUE(saved.load(files, kBaseFolder));
    EXPECT_EQ(saved.tables[TimerTable].rows[2].name, "Blue Fox");
    EXPECT_EQ(saved.tables[TimerTable].rows[3].score, 300);
}

TEST_F(BestScores, MarkFollowsTheTableOfTheResult) {
    auto dialog = open(TimerTable, playedEntry(Timer, 500, 3, 40));
    ASSERT_EQ(number(1), ">1<");
    dialog.onCommand(controls, IDC_TABLE_CLASSIC);
    EXPECT_EQ(markedPlaces(), 0);
    EXPECT_EQ(controls.title(), "Local Best Scores - Classic mode");
    EXPECT_TRUE(controls.isChecked(IDC_TABLE_CLASSIC));
    EXPECT_FALSE(controls.isChecked(IDC_TABLE_TIMER));
    dialog.onCommand(controls, IDC_TABLE_RISING);
    EXPECT_EQ(controls.title(), "Local Best Scores - Rising mode");
    dialog.onCommand(controls, IDC_TABLE_TIMER);
    EXPECT_EQ(number(1), ">1<");
}

TEST_F(BestScores, EqualToPlaceTenIsNotEnteredAndNothingIsMarked) {
    storeTable(ClassicTable, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
    auto dialog = open(ClassicTable, playedEntry(Classic, 100, 5, 10, "Late"));
    EXPECT_FALSE(dialog.markedRow);
    EXPECT_EQ(markedPlaces(), 0);
    EXPECT_EQ(name(10), "Row");
    EXPECT_EQ(controls.text(IDC_LAST_UPDATE), "Last update: Earlier");
}

TEST_F(BestScores, MarkingAtPlaceTen) {
    storeTable(RisingTable, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
    open(RisingTable, playedEntry(Rising, 100, 5, 11));
    EXPECT_EQ(number(10), ">10<");
    EXPECT_EQ(markedPlaces(), 1);
}

TEST_F(BestScores, ClearAnsweredNoChangesNothing) {
    storeTable(ClassicTable, {300, 200});
    auto dialog = open(ClassicTable);
    const auto before = files.contents[kBookPath];
    dialog.onCommand(controls, IDC_SCORES_CLEAR);
    ASSERT_EQ(controls.messages().size(), 1u);
    EXPECT_EQ(controls.messages()[0].kind, FakeControls::Message::Question);
    EXPECT_EQ(controls.messages()[0].text, "Are you sure you want to clear current table?");
    EXPECT_EQ(name(1), "Row");
    EXPECT_EQ(files.contents[kBookPath], before);
}

TEST_F(BestScores, ClearAnsweredYesEmptiesOnlyTheShownTable) {
    storeTable(ClassicTable, {300});
    storeTable(TimerTable, {700});
    auto dialog = open(TimerTable);
    controls.answerNext(true);
    dialog.onCommand(controls, IDC_SCORES_CLEAR);
    EXPECT_EQ(name(1), "Empty");
    EXPECT_EQ(controls.text(IDC_LAST_UPDATE), "Last update: Never");
    ScoreBook saved;
    ASSERT_TRUE(saved.load(files, kBaseFolder));
    EXPECT_EQ(saved.tables[TimerTable].rows[0].name, "Empty");
    EXPECT_EQ(saved.tables[ClassicTable].rows[0].score, 300);
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Timer), 0);
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Classic), 300);
}

TEST_F(BestScores, ClearingTheResultsTableRemovesTheMarkForGood) {
    auto dialog = open(ClassicTable, playedEntry(Classic, 50, 1, 3));
    dialog.onCommand(controls, IDC_TABLE_TIMER);
    controls.answerNext(true);
    dialog.onCommand(controls, IDC_SCORES_CLEAR);  // another table: the mark stays
    dialog.onCommand(controls, IDC_TABLE_CLASSIC);
    EXPECT_EQ(number(1), ">1<");
    controls.answerNext(true);
    dialog.onCommand(controls, IDC_SCORES_CLEAR);
    EXPECT_FALSE(dialog.pending);
    EXPECT_EQ(markedPlaces(), 0);
}

TEST_F(BestScores, InfoShowsTheRowsGameInfo) {
    auto entered = playedEntry(Classic, 50, 2, 9, "Blue Fox");
    entered.gameSeconds = 3725;
    auto dialog = open(ClassicTable, entered);
    dialog.onCommand(controls, BestScoresDialog::rowControlId(1, BestScoresDialog::InfoColumn));
    ASSERT_EQ(controls.messages().size(), 1u);
    const auto& shown = controls.messages()[0];
    EXPECT_EQ(shown.kind, FakeControls::Message::Information);
    const GameInfoText expected = gameInfoText(dialog.book.tables[ClassicTable].rows[0]);
    EXPECT_EQ(shown.title, "Game Info: Blue Fox");
    EXPECT_EQ(shown.text, expected.body);
}

TEST_F(BestScores, UpdateKeepsTheShownTableAndFillsTop10) {
    auto dialog = open(ClassicTable);
    ScoreRows served;
    served[0] = playedEntry(Classic, 99999, 20, 900, "Champion");
    served[0].country = "Netherlands";
    served[1].name = "No info";
    ftp.served["top10.tft"] = encodeTop10(served);
    clock.setLocalTime({2003, 1, 6, 1, 10, 0, 0});
    dialog.onCommand(controls, IDC_SCORES_UPDATE);
    EXPECT_EQ(controls.title(), "Local Best Scores - Classic mode");
    EXPECT_EQ(name(1), "Empty");
    dialog.onCommand(controls, IDC_TABLE_INTERNET);
    EXPECT_EQ(name(1), "Champion (Netherlands)");
    EXPECT_EQ(name(2), "No info");
    EXPECT_EQ(score(1), "99999");
    EXPECT_EQ(controls.text(IDC_LAST_UPDATE), "Last update: Monday, 6 January 2003 10:00:00");
    ScoreBook saved;
    ASSERT_TRUE(saved.load(files, kBaseFolder));
    EXPECT_EQ(saved.tables[InternetTable].rows[0].name, "Champion");
}

TEST_F(BestScores, FailedUpdateChangesNothing) {
    auto dialog = open(InternetTable);
    const int writesBefore = files.writeCount;
    dialog.onCommand(controls, IDC_SCORES_UPDATE);
    EXPECT_EQ(internetDialogs.downloadsShown, 1);
    EXPECT_EQ(files.writeCount, writesBefore);
    EXPECT_EQ(name(1), "Empty");
    EXPECT_EQ(controls.endResult(), 0);
}

TEST_F(BestScores, SendHandsOverTheClassicTableWhateverIsShown) {
    storeTable(ClassicTable, {321});
    auto dialog = open(RisingTable);
    internetDialogs.typeDetails = true;
    internetDialogs.typed = {"Blue Fox", "fox@example.org", "Norway", ""};
    dialog.onCommand(controls, IDC_SCORES_SEND);
    ASSERT_EQ(ftp.received.count("KEY.tft"), 1u);
    const auto& bytes = ftp.received["KEY.tft"];
    const auto sent = parseUploadRecord(bytes.data(), bytes.size());
    ASSERT_TRUE(sent.has_value());
    EXPECT_EQ(sent->rows[0].score, 321);
    EXPECT_EQ(sent->uploadKey, "KEY");
}

TEST_F(BestScores, OkAndEscapeCloseWithoutWriting) {
    auto dialog = open(ClassicTable);
    const int writesBefore = files.writeCount;
    dialog.onCommand(controls, kDialogCancel);
    EXPECT_NE(controls.endResult(), 0);
    EXPECT_EQ(files.writeCount, writesBefore);
}

TEST_F(BestScores, UnwritableBookClosesTheDialog) {
    files.allWritesFail = true;
    open(ClassicTable);
    EXPECT_NE(controls.endResult(), 0);
    EXPECT_TRUE(controls.messages().empty());

    FakeControls withResult;
    BestScoresDialog dialog(files, clock, internet, kBaseFolder, "", TimerTable);
    dialog.setPendingResult(playedEntry(Timer, 10, 1, 1));
    dialog.onInit(withResult);
    EXPECT_NE(withResult.endResult(), 0);
    ASSERT_EQ(withResult.messages().size(), 1u);
    EXPECT_EQ(withResult.messages()[0].text, "ERROR! It is impossible to update tables");
}

TEST_F(BestScores, FailedSaveAfterAnInsertionIsReported) {
    storeTable(ClassicTable, {10});
    files.unwritable.insert(kBookPath);
    open(ClassicTable, playedEntry(Classic, 20, 1, 1));
    EXPECT_NE(controls.endResult(), 0);
    ASSERT_EQ(controls.messages().size(), 1u);
    EXPECT_EQ(controls.messages()[0].kind, FakeControls::Message::Error);
    EXPECT_EQ(controls.messages()[0].text, "ERROR! It is impossible to update tables");
}

}  // namespace
}  // namespace tintfall
