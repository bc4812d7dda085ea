#include <gtest/gtest.h>

#include "net/LastSendFile.h"
#include "net/Top10File.h"
#include "net/UploadFile.h"
#include "platform/DataReader.h"
#include "scores/ScoreEntryCodec.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"
#include "tests/unit/scores/FileBytes.h"

using namespace tintfall;

namespace {

const std::string kTop10Path = "C:\\Games\\top10.tft";

// Three real rows and seven empty ones, as a young table holds.
ScoreRows someRows() {
    ScoreRows rows;
    for (int i = 0; i < 3; ++i) {
        rows[i].name = "Player" + std::to_string(i);
        rows[i].score = 900 - 100 * i;
        rows[i].level = 4;
        rows[i].hasInfo = 1;
        rows[i].country = "Norway";
        rows[i].startedText = "Sunday, 5 January 2003 9:05:07";
    }
    rows[1].finishedText = std::string(300, 'f');
    return rows;
}

void expectSameRows(const ScoreRows& a, const ScoreRows& b) {
    for (int i = 0; i < kScoreRows; ++i) {
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].score, b[i].score);
        EXPECT_EQ(a[i].level, b[i].level);
        EXPECT_EQ(a[i].hasInfo, b[i].hasInfo);
        EXPECT_EQ(a[i].startedText, b[i].startedText);
        EXPECT_EQ(a[i].finishedText, b[i].finishedText);
        EXPECT_EQ(a[i].country, b[i].country);
    }
}

}  // namespace

TEST(LastSendFile, TheFourDetailsComeBackInTheirOrder) {
    MemoryFiles files;
    const SendDetails none = readLastSend(files, kBaseFolder);
    EXPECT_EQ(none.name + none.email + none.country + none.notes, "");

    const SendDetails details{"Blue Fox", "fox@example.org", "Norway", "line one\r\nline two"};
    ASSERT_TRUE(writeLastSend(files, kBaseFolder, details));
    const std::vector<std::uint8_t>& bytes = files.contents[kBaseFolder + "lastsend.dat"];
    EXPECT_EQ(bytes[0], 22);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 23), "TINTFALL_LASTSEND_FILE");
    EXPECT_EQ(bytes[23], 8);
    EXPECT_EQ(std::string(bytes.begin() + 24, bytes.begin() + 32), "Blue Fox");
    EXPECT_EQ(bytes[32], 15);

    const SendDetails read = readLastSend(files, kBaseFolder);
    EXPECT_EQ(read.name, details.name);
    EXPECT_EQ(read.email, details.email);
    EXPECT_EQ(read.country, details.country);
    EXPECT_EQ(read.notes, details.notes);
}

TEST(LastSendFile, ForeignOrShortFilesOpenWithEmptyBoxes) {
    const std::vector<std::uint8_t> valid = encodeLastSend({"a", "b", "c", std::string(400, 'n')});
    for (std::size_t length = 0; length < valid.size(); ++length)
        ASSERT_FALSE(parseLastSend(valid.data(), length).has_value()) << "length " << length;
    ASSERT_TRUE(parseLastSend(valid.data(), valid.size()).has_value());
    EXPECT_EQ(parseLastSend(valid.data(), valid.size())->notes.size(), 400u);

    MemoryFiles files;
    files.contents[kBaseFolder + "lastsend.dat"] = encodeLastSend({"a", "b", "c", "d"});
    files.contents[kBaseFolder + "lastsend.dat"][1] = 'X';
    EXPECT_EQ(readLastSend(files, kBaseFolder).name, "");
}

TEST(UploadFile, HoldsTheSenderTheTenRowsAndTheClosingDateInOrder) {
    UploadRecord record;
    record.uploadKey = "K7Q2";
    record.playerName = "Blue Fox";
    record.email = "fox@example.org";
    record.country = "Norway";
    record.notes = "";
    record.sentText = "Sunday, 5 January 2003 9:05:07";
    record.usageText = "12:5:33";
    record.firstStartText = "UNKNOWN";
    record.rows = someRows();
    record.closingText = "Sunday, 5 January 2003 9:05:08";

    MemoryFiles files;
    ASSERT_TRUE(writeUploadFile(files, kBaseFolder, record));
    ASSERT_TRUE(files.exists("C:\\Games\\K7Q2.tft"));
    const std::vector<std::uint8_t>& bytes = files.contents["C:\\Games\\K7Q2.tft"];

    EXPECT_EQ(bytes[0], 23);
    DataReader in(bytes);
    EXPECT_TRUE(in.expectText("TINTFALL_SENDTABLE_FILE"));
    EXPECT_EQ(in.readInt32(), 10);
    const std::vector<std::string> texts = {"K7Q2", "Blue Fox", "fox@example.org", "Norway", "",
                                            "Sunday, 5 January 2003 9:05:07", "12:5:33", "UNKNOWN"};
    for (const std::string& text : texts) EXPECT_EQ(in.readText(), text);
    ScoreRows rows;
    for (ScoreEntry& row : rows) row = readScoreEntry(in);
    expectSameRows(rows, record.rows);
    EXPECT_EQ(rows[9].name, "Empty");
    EXPECT_EQ(in.readText(), "Sunday, 5 January 2003 9:05:08");
    EXPECT_TRUE(in.ok());
    EXPECT_TRUE(in.atEnd());

    files.allWritesFail = true;
    record.uploadKey = "other";
    EXPECT_FALSE(writeUploadFile(files, kBaseFolder, record));
}

TEST(Top10File, ACorrectFileGivesItsRowsAndIsDeleted) {
    MemoryFiles files;
    const ScoreRows served = someRows();
    files.contents[kTop10Path] = encodeTop10(served);
    EXPECT_EQ(files.contents[kTop10Path][0], 24);
    EXPECT_EQ(int32At(files.contents[kTop10Path], 25), 10);

    ScoreRows rows;
    EXPECT_EQ(loadDownloadedTop10(files, kBaseFolder, rows), Top10Load::Loaded);
    expectSameRows(rows, served);
    EXPECT_FALSE(files.exists(kTop10Path));
    EXPECT_EQ(loadDownloadedTop10(files, kBaseFolder, rows), Top10Load::CannotOpen);
}

TEST(Top10File, AnIncorrectFileStaysOnDiskAndChangesNoRow) {
    const std::vector<std::uint8_t> valid = encodeTop10(someRows());
    std::vector<std::uint8_t> nineRows = valid;
    nineRows[25] = 9;
    std::vector<std::uint8_t> otherHeader = valid;
    otherHeader[24] = 'e';
    std::vector<std::uint8_t> shortOfTenthRow(valid.begin(), valid.end() - 1);

    for (const auto& bad : {nineRows, otherHeader, shortOfTenthRow}) {
        MemoryFiles files;
        files.contents[kTop10Path] = bad;
        ScoreRows rows;
        rows[0].name = "kept";
        EXPECT_EQ(loadDownloadedTop10(files, kBaseFolder, rows), Top10Load::Incorrect);
        EXPECT_EQ(rows[0].name, "kept");
        EXPECT_TRUE(files.exists(kTop10Path));
    }
    for (std::size_t length = 0; length < valid.size(); ++length)
        ASSERT_FALSE(parseTop10(valid.data(), length).has_value()) << "length " << length;
}
