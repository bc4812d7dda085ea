#include <gtest/gtest.h>

#include "scores/ScoreBook.h"
#include "settings/GameSettings.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/PlayedEntry.h"
#include "tests/unit/scores/FileBytes.h"

using namespace tintfall;

namespace {

const std::string kBookFile = "C:\\Games\\data.tft";
const std::string kNow = "Monday, 6 January 2003 10:00:00";

// A Classic row.
ScoreEntry result(std::int32_t score, std::int32_t level, std::int32_t blocks, const std::string& name = "P") {
    return playedEntry(Classic, score, level, blocks, name);
}

// A full table: place p (row p-1) has score 1000 - 100 * (p - 1), level 5, 50 blocks.
ScoreBook bookWithFullClassicTable() {
    ScoreBook book;
    for (int place = 1; place <= kScoreRows; ++place)
        book.insertEntry(ClassicTable, result(1000 - 100 * (place - 1), 5, 50, "row" + std::to_string(place)), "t");
    return book;
}

std::vector<std::string> names(const ScoreTable& table) {
    std::vector<std::string> list;
    for (const ScoreEntry& row : table.rows) list.push_back(row.name);
    return list;
}

}  // namespace

TEST(ScoreBook, AnEmptyBookHasEmptyRowsNeverUpdatedAndAZeroSummary) {
    ScoreBook book = bookWithFullClassicTable();
    book.reset();
    for (const ScoreTable& table : book.tables) {
        EXPECT_EQ(table.lastUpdateText, "Never");
        for (const ScoreEntry& row : table.rows) {
            EXPECT_EQ(row.name, "Empty");
            EXPECT_EQ(row.score, 0);
            EXPECT_EQ(row.hasInfo, 0);
            EXPECT_EQ(row.country, "");
        }
    }
    EXPECT_EQ(book.topScore, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(book.entryScore, (std::array<std::int32_t, 3>{0, 0, 0}));
}

TEST(ScoreBook, FileStartsWithHeaderRowCountAndSummary) {
    ScoreBook book;
    book.topScore = {11, 12, 13};
    book.entryScore = {21, 22, 23};
    const std::vector<std::uint8_t> bytes = book.encode();
    EXPECT_EQ(bytes[0], 19);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 20), "TINTFALL_TABLE_FILE");
    EXPECT_EQ(int32At(bytes, 20), 10);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(int32At(bytes, 24 + 4 * i), 11 + i);
        EXPECT_EQ(int32At(bytes, 36 + 4 * i), 21 + i);
    }
    // First row: "Empty", then level 0.
    EXPECT_EQ(bytes[48], 5);
    EXPECT_EQ(std::string(bytes.begin() + 49, bytes.begin() + 54), "Empty");
    // 40 empty rows, then the four last-update texts "Never".
    const std::size_t emptyRow = 1 + 5 + 14 * 4 + 3;
    EXPECT_EQ(bytes.size(), 48 + 40 * emptyRow + 4 * 6);
    EXPECT_EQ(std::string(bytes.end() - 5, bytes.end()), "Never");
}

TEST(ScoreBook, SaveAndLoadGiveBackTheSameBookLongTextsIncluded) {
    MemoryFiles files;
    ScoreBook book = bookWithFullClassicTable();
    ScoreEntry rich = result(5000, 20, 900, std::string(255, 'N'));
    rich.startedText = std::string(70000, 's');
    rich.finishedText = "Sunday, 5 January 2003 9:05:07";
    rich.gameSeconds = 3725;
    rich.piecesCount = 300;
    rich.bombsCount = 4;
    rich.minDropSeconds = 1;
    rich.maxDropSeconds = 9;
    rich.averageDropSeconds = 3;
    rich.bombsEnabled = 1;
    rich.gameMode = Rising;
    rich.colourCount = 6;
    rich.blockCountCode = 2;
    rich.country = std::string(254, 'c');
    book.insertEntry(RisingTable, rich, std::string(256, 'u'));
    book.setInternetTable(book.tables[ClassicTable].rows, "Tuesday, 7 January 2003 1:02:03");
    ASSERT_TRUE(book.save(files, kBaseFolder));

    ScoreBook loaded;
    ASSERT_TRUE(loaded.load(files, kBaseFolder));
    EXPECT_EQ(loaded.encode(), files.contents[kBookFile]);
    const ScoreEntry& row = loaded.tables[RisingTable].rows[0];
    EXPECT_EQ(row.name, rich.name);
    EXPECT_EQ(row.startedText.size(), 70000u);
    EXPECT_EQ(row.country, rich.country);
    EXPECT_EQ(row.averageDropSeconds, 3);
    EXPECT_EQ(row.blockCountCode, 2);
    EXPECT_EQ(loaded.tables[RisingTable].lastUpdateText, std::string(256, 'u'));
    EXPECT_EQ(names(loaded.tables[InternetTable]), names(book.tables[ClassicTable]));
    EXPECT_EQ(loaded.topScore, book.topScore);
    EXPECT_EQ(loaded.entryScore, book.entryScore);
}

TEST(ScoreBook, InvalidOrShortFilesFailToLoadAndLeaveTheBook) {
    const ScoreBook original = bookWithFullClassicTable();
    const std::vector<std::uint8_t> valid = original.encode();
    std::vector<std::uint8_t> nineRows = valid;
    nineRows[20] = 9;
    std::vector<std::uint8_t> lowerCase = valid;
    lowerCase[1] = 't';

    const std::vector<std::uint8_t> keep = ScoreBook{}.encode();
    for (const auto& bad : {nineRows, lowerCase}) {
        ScoreBook book;
        EXPECT_FALSE(book.parse(bad.data(), bad.size()));
        EXPECT_EQ(book.encode(), keep);
    }
    for (std::size_t length = 0; length < valid.size(); ++length) {
        ScoreBook book;
        ASSERT_FALSE(book.parse(valid.data(), length)) << "length " << length;
        ASSERT_EQ(book.encode(), keep);
    }
    MemoryFiles files;
    ScoreBook book;
    EXPECT_FALSE(book.load(files, kBaseFolder));
}

TEST(ScoreBook, EqualOnAllThreeGoesBelowAndShiftsTheRest) {
    ScoreBook book = bookWithFullClassicTable();
    const auto place = book.insertEntry(ClassicTable, result(800, 5, 50, "new"), kNow);  // equal to place 3
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(*place, 3);
    EXPECT_EQ(names(book.tables[ClassicTable]),
              (std::vector<std::string>{"row1", "row2", "row3", "new", "row4", "row5", "row6", "row7", "row8", "row9"}));
    EXPECT_EQ(book.tables[ClassicTable].lastUpdateText, kNow);
    EXPECT_EQ(book.entryScore[ClassicTable], 200);
}

TEST(ScoreBook, TiesOnScoreAreBrokenByLevelThenBlocks) {
    ScoreBook book = bookWithFullClassicTable();
    EXPECT_EQ(book.insertEntry(ClassicTable, result(800, 6, 0, "level"), kNow), 2);
    EXPECT_EQ(book.insertEntry(ClassicTable, result(800, 5, 51, "blocks"), kNow), 3);
    EXPECT_EQ(book.insertEntry(ClassicTable, result(800, 5, 49, "fewer"), kNow), 5);
    EXPECT_EQ(book.tables[ClassicTable].rows[4].name, "row3");
}

TEST(ScoreBook, PlaceTenIsReplacedAloneAndALowerResultChangesNothing) {
    ScoreBook book = bookWithFullClassicTable();
    const ScoreTable before = book.tables[ClassicTable];
    // Place 10 has score 100, place 9 has 200.
    EXPECT_EQ(book.insertEntry(ClassicTable, result(100, 5, 51, "tenth"), kNow), 9);
    for (int row = 0; row < 9; ++row) EXPECT_EQ(book.tables[ClassicTable].rows[row].name, before.rows[row].name);
    EXPECT_EQ(book.tables[ClassicTable].rows[9].name, "tenth");

    book.tables[ClassicTable].lastUpdateText = "unchanged";
    EXPECT_FALSE(book.insertEntry(ClassicTable, result(100, 5, 51, "same as tenth"), kNow).has_value());
    EXPECT_FALSE(book.insertEntry(ClassicTable, result(99, 20, 999, "lower"), kNow).has_value());
    EXPECT_EQ(book.tables[ClassicTable].rows[9].name, "tenth");
    EXPECT_EQ(book.tables[ClassicTable].lastUpdateText, "unchanged");
}

TEST(ScoreBook, AnEmptyRowTakesAnyResultWithALevel) {
    ScoreBook book;
    EXPECT_EQ(book.insertEntry(TimerTable, result(0, 1, 0), kNow), 0);
    EXPECT_EQ(book.insertEntry(TimerTable, result(0, 0, 1), kNow), 1);
    EXPECT_FALSE(book.insertEntry(TimerTable, result(0, 0, 0), kNow).has_value());
}

TEST(ScoreBook, TheSummaryFollowsLocalTablesOnly) {
    ScoreBook book;
    book.insertEntry(TimerTable, result(300, 2, 10), kNow);
    EXPECT_EQ(book.topScore, (std::array<std::int32_t, 3>{0, 300, 0}));
    EXPECT_EQ(book.entryScore, (std::array<std::int32_t, 3>{0, 0, 0}));
    book.insertEntry(TimerTable, result(900, 2, 10), kNow);
    EXPECT_EQ(book.topScore[TimerTable], 900);

    book.insertEntry(InternetTable, result(5000, 2, 10), kNow);
    EXPECT_EQ(book.topScore, (std::array<std::int32_t, 3>{0, 900, 0}));
    EXPECT_EQ(book.tables[InternetTable].rows[0].score, 5000);
}

TEST(ScoreBook, ClearingATableResetsOnlyItsOwnRowsAndSummary) {
    ScoreBook book = bookWithFullClassicTable();
    book.insertEntry(TimerTable, result(300, 2, 10), kNow);
    book.insertEntry(RisingTable, result(400, 2, 10), kNow);
    book.setInternetTable(book.tables[ClassicTable].rows, kNow);

    book.clearTable(InternetTable);
    EXPECT_EQ(book.topScore, (std::array<std::int32_t, 3>{1000, 300, 400}));
    EXPECT_EQ(book.entryScore, (std::array<std::int32_t, 3>{100, 0, 0}));
    EXPECT_EQ(book.tables[InternetTable].rows[0].name, "Empty");
    EXPECT_EQ(book.tables[InternetTable].lastUpdateText, "Never");

    book.clearTable(TimerTable);
    EXPECT_EQ(book.topScore, (std::array<std::int32_t, 3>{1000, 0, 400}));
    EXPECT_EQ(book.tables[TimerTable].rows[0].name, "Empty");
    EXPECT_EQ(book.tables[TimerTable].lastUpdateText, "Never");
    EXPECT_EQ(book.tables[ClassicTable].rows[0].name, "row1");
}

TEST(ScoreBook, SettingTheInternetTableReplacesRowsAndDateOnly) {
    ScoreBook book = bookWithFullClassicTable();
    ScoreRows rows;
    rows[0] = result(77, 3, 3, "Web");
    rows[0].country = "Norway";
    book.setInternetTable(rows, "Friday, 10 January 2003 8:00:00");
    EXPECT_EQ(book.tables[InternetTable].rows[0].country, "Norway");
    EXPECT_EQ(book.tables[InternetTable].rows[1].name, "Empty");
    EXPECT_EQ(book.tables[InternetTable].lastUpdateText, "Friday, 10 January 2003 8:00:00");
    EXPECT_EQ(book.topScore[ClassicTable], 1000);
}

TEST(ScoreSummary, SavedBookGivesBestAndQualifyingScorePerMode) {
    MemoryFiles files;
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Classic), 0);
    EXPECT_EQ(qualifyingScore(files, kBaseFolder, Classic), 0);

    ScoreBook book = bookWithFullClassicTable();
    book.insertEntry(ClassicTable, result(4000, 9, 9), kNow);
    book.insertEntry(RisingTable, result(55, 1, 1), kNow);
    ASSERT_TRUE(book.save(files, kBaseFolder));
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Classic), 4000);
    EXPECT_EQ(qualifyingScore(files, kBaseFolder, Classic), 200);
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Rising), 55);
    EXPECT_EQ(qualifyingScore(files, kBaseFolder, Rising), 0);
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Timer), 0);
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, 3), 0);
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, -1), 0);
}

TEST(ScoreSummary, AFileThatDoesNotLoadGivesTheEmptyBooksZero) {
    MemoryFiles files;
    ScoreBook book;
    book.topScore = {10, 20, 30};
    book.entryScore = {1, 2, 3};
    const std::vector<std::uint8_t> bytes = book.encode();
    files.contents[kBookFile] = bytes;
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Rising), 30);
    EXPECT_EQ(qualifyingScore(files, kBaseFolder, Timer), 2);

    // Cut anywhere, even right after the summary, the book does not load and
    // the queries agree with the empty book that replaces it.
    for (const std::size_t length : {std::size_t{48}, std::size_t{47}, bytes.size() - 1}) {
        files.contents[kBookFile].assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(bestLocalScore(files, kBaseFolder, Rising), 0) << length;
        EXPECT_EQ(qualifyingScore(files, kBaseFolder, Timer), 0) << length;
    }
    files.contents[kBookFile] = bytes;
    files.contents[kBookFile][20] = 11;
    EXPECT_EQ(bestLocalScore(files, kBaseFolder, Classic), 0);
}
