// Hostile uploads: each is refused, nothing is kept and the published table
// stays as it was.
#include <gtest/gtest.h>

#include <functional>

#include "net/Top10File.h"
#include "platform/DataWriter.h"
#include "server/judge/HtmlPages.h"
#include "tests/unit/server/Uploads.h"

using namespace tintfall;

namespace {

// The files the server hands out.
std::vector<std::vector<std::uint8_t>> published(JudgeSetup& judge) {
    return {judge.files.contents[judge.folders.published + kTop10FileName],
            judge.files.contents[judge.folders.web + kHomePageName],
            judge.files.contents[judge.folders.web + kTop50PageName]};
}

void expectRefused(JudgeSetup& judge, const std::vector<std::uint8_t>& bytes, const std::string& fileName,
                   const std::string& why) {
    const auto before = published(judge);
    const std::size_t ranked = judge.store.leaders(50).size();
    const Verdict verdict = judge.send(bytes, fileName);
    EXPECT_FALSE(verdict.accepted) << fileName;
    EXPECT_EQ(verdict.refusal, why) << fileName;
    EXPECT_TRUE(published(judge) == before) << fileName;
    EXPECT_EQ(judge.store.leaders(50).size(), ranked);
}

struct Tamper {
    const char* what;
    std::function<void(UploadRecord&)> change;
    const char* why;
};

}  // namespace

TEST(UploadCheck, RefusesFilesThatAreNotUploadsOfTheirName) {
    JudgeSetup judge;
    const UploadRecord good = uploadOf(1, {classicResult(5000)});
    ASSERT_TRUE(judge.send(good).accepted);
    const std::vector<std::uint8_t> bytes = encodeUploadRecord(good);
    const std::string name = uploadFileName(good);

    DataWriter wrongHeader;
    wrongHeader.writeText("TINTFALL_TABLETOP10_FILE");
    wrongHeader.writeBytes(std::vector<std::uint8_t>(bytes.begin() + 24, bytes.end()));
    expectRefused(judge, wrongHeader.bytes(), name, "wrong header");

    std::vector<std::uint8_t> nineRows = bytes;
    nineRows[24] = 9;
    expectRefused(judge, nineRows, name, "row count is not 10");

    expectRefused(judge, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 5), name, "file ends early");
    expectRefused(judge, {}, name, "wrong header");

    std::vector<std::uint8_t> trailing = bytes;
    trailing.push_back(0);
    expectRefused(judge, trailing, name, "not written as the program writes");

    expectRefused(judge, bytes, keyOf(2) + ".tft", "key differs from the file name");
    for (const std::string& badName : std::vector<std::string>{"../" + keyOf(1) + ".tft", "incoming/" + keyOf(1) + ".tft",
                                      std::string("..\\") + keyOf(1) + ".tft", keyOf(1), keyOf(1) + ".tft.tft",
                                      "top10.tft", ".tft", ""}) {
        expectRefused(judge, bytes, badName, "file name is not a key followed by .tft");
    }
    // The key inside the file is held to the same form as the name.
    UploadRecord climbing = good;
    climbing.uploadKey = "../../ftp/top10";
    expectRefused(judge, encodeUploadRecord(climbing), "../../ftp/top10.tft", "file name is not a key followed by .tft");
    climbing.uploadKey = std::string(32, 'A');
    expectRefused(judge, encodeUploadRecord(climbing), climbing.uploadKey + ".tft",
                  "file name is not a key followed by .tft");
}

TEST(UploadCheck, RefusesOversizeFilesAndTakesEveryTextTheProgramWrites) {
    JudgeSetup judge;
    UploadRecord huge = uploadOf(1, {classicResult(5000)});
    huge.notes = std::string(100000, 'n');
    expectRefused(judge, encodeUploadRecord(huge), uploadFileName(huge), "missing or larger than 64 KiB");
    EXPECT_EQ(checkUpload(encodeUploadRecord(huge), uploadFileName(huge)).refusal, "larger than 64 KiB");

    const std::vector<Tamper> tampers = {
        {"long notes", [](UploadRecord& r) { r.notes = std::string(20000, 'n'); }, ""},
        {"long name", [](UploadRecord& r) { r.playerName = std::string(300, 'p'); }, ""},
        {"long e-mail", [](UploadRecord& r) { r.email = std::string(20000, 'e'); }, ""},
        {"long row name", [](UploadRecord& r) { r.rows[4].name = std::string(20000, 'r'); }, ""},
        {"line break in name", [](UploadRecord& r) { r.playerName = "two\r\nlines"; }, ""},
        {"escape in a row's dates", [](UploadRecord& r) { r.rows[0].finishedText = "\x1b[2J"; }, ""},
        {"empty name", [](UploadRecord& r) { r.playerName.clear(); }, "name or country empty"},
        {"empty country", [](UploadRecord& r) { r.country.clear(); }, "name or country empty"},
    };
    for (const Tamper& tamper : tampers) {
        UploadRecord record = uploadOf(2, {classicResult(5000)});
        tamper.change(record);
        EXPECT_EQ(checkUpload(encodeUploadRecord(record), uploadFileName(record)).refusal, tamper.why) << tamper.what;
    }
}

TEST(UploadCheck, EveryPublishedTextIsCutAndFreeOfControlCharacters) {
    JudgeSetup judge;
    ScoreEntry row = classicResult(5000);
    row.startedText = "Sunday\r\n\x1b[31m" + std::string(100, 's');
    row.finishedText = std::string("Monday\0\x7f", 8);
    ASSERT_TRUE(judge.send(uploadOf(1, {row}, "Fox\nadmin" + std::string(100, 'x'), "\tLand")).accepted);

    const std::vector<std::uint8_t>& top10 = judge.files.contents["/data/ftp/top10.tft"];
    const auto rows = parseTop10(top10.data(), top10.size());
    ASSERT_TRUE(rows);
    const ScoreEntry& shown = (*rows)[0];
    EXPECT_EQ(shown.name, "Fox admin" + std::string(23, 'x'));
    EXPECT_EQ(shown.country, " Land");
    EXPECT_EQ(shown.startedText, "Sunday   [31m" + std::string(27, 's'));
    EXPECT_EQ(shown.finishedText, "Monday  ");
    for (const char* page : {kHomePageName, kTop50PageName}) {
        const std::string html = judge.page(page);
        EXPECT_NE(html.find("Fox admin" + std::string(23, 'x') + "<"), std::string::npos) << page;
        EXPECT_EQ(html.find('\x1b'), std::string::npos) << page;
    }
}

TEST(UploadCheck, RefusesRowsNoGameProduces) {
    const std::vector<Tamper> tampers = {
        {"level 20", [](UploadRecord& r) { r.rows[0].level = 20; }, ""},
        {"level 21", [](UploadRecord& r) { r.rows[0].level = 21; }, "row 1: level out of range"},
        {"real row of level 0", [](UploadRecord& r) { r.rows[0].level = 0; }, "row 1: level out of range"},
        {"hasInfo 2", [](UploadRecord& r) { r.rows[9].hasInfo = 2; }, "row 10: hasInfo out of range"},
        {"negative score", [](UploadRecord& r) { r.rows[0].score = -1; }, "row 1: score or blocks negative"},
        {"negative blocks", [](UploadRecord& r) { r.rows[0].blocksRemoved = -5; }, "row 1: score or blocks negative"},
        {"negative seconds", [](UploadRecord& r) { r.rows[0].gameSeconds = -1; }, "row 1: game statistics negative"},
        {"negative average", [](UploadRecord& r) { r.rows[0].averageDropSeconds = -3; },
         "row 1: game statistics negative"},
        {"bombs 2", [](UploadRecord& r) { r.rows[0].bombsEnabled = 2; }, "row 1: bombsEnabled out of range"},
        {"mode 3", [](UploadRecord& r) { r.rows[0].gameMode = 3; }, "row 1: gameMode out of range"},
        {"7 colours", [](UploadRecord& r) { r.rows[0].colourCount = 7; }, "row 1: colourCount out of range"},
        {"real row of 0 colours", [](UploadRecord& r) { r.rows[0].colourCount = 0; }, "row 1: colourCount out of range"},
        {"blocks code 3", [](UploadRecord& r) { r.rows[0].blockCountCode = 3; }, "row 1: blockCountCode out of range"},
        {"Easy Rising with bombs", [](UploadRecord& r) {
             r.rows[0].colourCount = 4;
             r.rows[0].gameMode = 2;
             r.rows[0].bombsEnabled = 1;
         }, ""},
    };
    for (const Tamper& tamper : tampers) {
        UploadRecord record = uploadOf(1, {classicResult(5000)});
        tamper.change(record);
        EXPECT_EQ(checkUpload(encodeUploadRecord(record), uploadFileName(record)).refusal, tamper.why) << tamper.what;
    }
}

TEST(UploadCheck, AScriptInANameIsKeptAsTextAndEscapedOnThePages) {
    JudgeSetup judge;
    const UploadRecord record = uploadOf(1, {classicResult(5000)}, "<script>alert('x')</script>", "A&B \"land\"");
    ASSERT_TRUE(judge.send(record).accepted);

    const std::vector<std::uint8_t>& top10 = judge.files.contents["/data/ftp/top10.tft"];
    const auto rows = parseTop10(top10.data(), top10.size());
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0].name, "<script>alert('x')</script>");
    for (const char* page : {kHomePageName, kTop50PageName}) {
        const std::string html = judge.page(page);
        EXPECT_EQ(html.find("<script"), std::string::npos) << page;
        EXPECT_NE(html.find("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;"), std::string::npos) << page;
        EXPECT_NE(html.find("A&amp;B &quot;land&quot;"), std::string::npos) << page;
    }
}
