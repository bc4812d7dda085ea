// The published table: one row per installation, its best row that meets
// the three conditions, ranked by score, then level, then blocks.
#include <gtest/gtest.h>

#include <filesystem>

#include "net/Top10File.h"
#include "platform/DataWriter.h"
#include "platform/headless/LocalFiles.h"
#include "scores/ScoreEntryCodec.h"
#include "server/judge/HtmlPages.h"
#include "tests/support/TempFolder.h"
#include "tests/unit/server/Uploads.h"

using namespace tintfall;

namespace {

ScoreRows publishedTop10(JudgeSetup& judge) {
    const std::vector<std::uint8_t>& bytes = judge.files.contents[judge.folders.published + kTop10FileName];
    const auto rows = parseTop10(bytes.data(), bytes.size());
    EXPECT_TRUE(rows);
    return rows ? *rows : ScoreRows{};
}

std::vector<std::string> namesOf(const std::vector<ScoreEntry>& rows) {
    std::vector<std::string> names;
    for (const ScoreEntry& row : rows) names.push_back(row.name);
    return names;
}

std::vector<std::uint8_t> rowBytes(const ScoreEntry& row) {
    DataWriter out;
    writeScoreEntry(out, row);
    return out.bytes();
}

ScoreEntry withSettings(ScoreEntry row, std::int32_t mode, std::int32_t colours, std::int32_t blockCode) {
    row.gameMode = mode;
    row.colourCount = colours;
    row.blockCountCode = blockCode;
    return row;
}

}  // namespace

TEST(Ranking, EachInstallationShowsOnceWithItsBestQualifyingRow) {
    JudgeSetup judge;
    // Better rows that break a condition come first in this local table.
    ASSERT_TRUE(judge.send(uploadOf(1, {withSettings(classicResult(90000), 1, 5, 0),
                                        withSettings(classicResult(80000), 0, 4, 0),
                                        withSettings(classicResult(70000), 0, 5, 1), classicResult(3000),
                                        withSettings(classicResult(2500), 0, 6, 0), classicResult(2000)},
                                    "Blue Fox", "Norway"))
                    .accepted);
    ASSERT_TRUE(judge.send(uploadOf(2, {withSettings(classicResult(4000), 0, 6, 0)}, "Red Owl", "Chile")).accepted);
    // Only unqualified or empty rows: taken, but not ranked.
    ASSERT_TRUE(judge.send(uploadOf(3, {withSettings(classicResult(99999), 2, 5, 0)})).accepted);
    ASSERT_TRUE(judge.send(uploadOf(4, {})).accepted);

    const ScoreRows top10 = publishedTop10(judge);
    EXPECT_EQ(top10[0].name, "Red Owl");
    EXPECT_EQ(top10[0].country, "Chile");
    EXPECT_EQ(top10[0].colourCount, 6);
    EXPECT_EQ(top10[1].name, "Blue Fox");
    EXPECT_EQ(top10[1].country, "Norway");
    EXPECT_EQ(top10[1].score, 3000);
    EXPECT_EQ(top10[1].startedText, "Sunday, 5 January 2003 9:05:07");
    EXPECT_EQ(top10[1].gameSeconds, 1800);
    EXPECT_EQ(top10[0].hasInfo + top10[1].hasInfo, 2);
    for (int place = 2; place < kScoreRows; ++place) EXPECT_EQ(rowBytes(top10[place]), rowBytes(ScoreEntry{}));
}

TEST(Ranking, ScoreThenLevelThenBlocksAndTheEarlierOfEquals) {
    JudgeSetup judge;
    const std::vector<std::pair<int, ScoreEntry>> sent = {
        {1, classicResult(5000, 5, 100)}, {2, classicResult(5000, 6, 10)}, {3, classicResult(5000, 6, 20)},
        {4, classicResult(6000, 1, 1)},   {5, classicResult(5000, 5, 100)}, {6, classicResult(4999, 20, 999)},
    };
    for (const auto& [installation, row] : sent) ASSERT_TRUE(judge.send(uploadOf(installation, {row})).accepted);
    const std::vector<std::string> expected = {"Player 4", "Player 3", "Player 2", "Player 1", "Player 5", "Player 6"};
    EXPECT_EQ(namesOf(judge.store.leaders(50)), expected);

    // Sending the same result again keeps the place among equals; a better one moves up.
    ASSERT_TRUE(judge.send(uploadOf(1, {classicResult(5000, 5, 100)})).accepted);
    EXPECT_EQ(namesOf(judge.store.leaders(50)), expected);
    ASSERT_TRUE(judge.send(uploadOf(6, {classicResult(5000, 6, 20)})).accepted);
    EXPECT_EQ(namesOf(judge.store.leaders(3)), (std::vector<std::string>{"Player 4", "Player 3", "Player 6"}));
}

TEST(Ranking, TheLatestUploadOfAnInstallationReplacesItsEarlierOne) {
    JudgeSetup judge;
    ASSERT_TRUE(judge.send(uploadOf(1, {classicResult(9000)}, "Old Name", "Peru")).accepted);
    ASSERT_TRUE(judge.send(uploadOf(2, {classicResult(5000)})).accepted);
    // A cleared local table takes the installation out of the ranking.
    ASSERT_TRUE(judge.send(uploadOf(1, {classicResult(3000)}, "New Name", "Chile")).accepted);
    EXPECT_EQ(namesOf(judge.store.leaders(50)), (std::vector<std::string>{"Player 2", "New Name"}));
    EXPECT_EQ(judge.store.leaders(50)[1].country, "Chile");
    ASSERT_TRUE(judge.send(uploadOf(1, {})).accepted);
    EXPECT_EQ(namesOf(judge.store.leaders(50)), std::vector<std::string>{"Player 2"});
}

TEST(Ranking, TheTop50PageGoesOnWhereTheTop10Ends) {
    JudgeSetup judge;
    for (int installation = 1; installation <= 60; ++installation) {
        ASSERT_TRUE(judge.send(uploadOf(installation, {classicResult(1000 * installation)})).accepted);
    }
    EXPECT_EQ(publishedTop10(judge)[9].name, "Player 51");
    const std::string top50 = judge.page(kTop50PageName);
    EXPECT_NE(top50.find("Player 11<"), std::string::npos);
    EXPECT_EQ(top50.find("Player 10<"), std::string::npos);
    const std::string home = judge.page(kHomePageName);
    EXPECT_NE(home.find("Player 51<"), std::string::npos);
    EXPECT_EQ(home.find("Player 50<"), std::string::npos);
    EXPECT_NE(home.find("href=\"top.htm\""), std::string::npos);
}

TEST(Ranking, ARestartLosesNothingAndARebuildPublishesTheSameTable) {
    TempFolder folder;
    LocalFiles files;
    const std::string database = folder.base() + "table.sqlite";
    const TableFolders folders{folder.base() + "graph/", folder.base() + "snd/"};
    const std::string upload = folder.base() + "upload";
    std::filesystem::create_directories(folders.web + "tintfall");
    const auto send = [&](TableStore& store, const UploadRecord& record) {
        ASSERT_TRUE(files.write(upload, encodeUploadRecord(record)));
        const Verdict verdict = judgeUpload(files, store, folders, {upload, uploadFileName(record), {}}, "then");
        EXPECT_TRUE(verdict.accepted && verdict.published) << verdict.refusal;
    };
    {
        TableStore store(database);
        send(store, uploadOf(1, {classicResult(5000, 5, 100)}));
        send(store, uploadOf(2, {classicResult(7000)}));
        send(store, uploadOf(3, {classicResult(5000, 5, 100)}));
    }
    const auto published = files.read(folders.published + kTop10FileName, kMaxUploadBytes);
    ASSERT_TRUE(published);
    ASSERT_TRUE(files.remove(folders.published + kTop10FileName));

    TableStore reopened(database);
    EXPECT_EQ(namesOf(reopened.leaders(50)), (std::vector<std::string>{"Player 2", "Player 1", "Player 3"}));
    ASSERT_TRUE(rebuildTable(files, reopened, folders, "now"));
    EXPECT_EQ(files.read(folders.published + kTop10FileName, kMaxUploadBytes), published);
    EXPECT_NE(files.read(folders.web + kHomePageName, kMaxUploadBytes), std::nullopt);
}

TEST(Ranking, AHiddenInstallationLeavesTheTableAndAForgottenOneLeavesNoTrace) {
    JudgeSetup judge;
    for (int installation = 1; installation <= 3; ++installation) {
        ASSERT_TRUE(judge.send(uploadOf(installation, {classicResult(1000 * installation)})).accepted);
    }
    ASSERT_TRUE(judge.store.hide(keyOf(3), true));
    ASSERT_TRUE(judge.store.forget(keyOf(2)));
    EXPECT_FALSE(judge.store.forget(keyOf(2)));
    EXPECT_FALSE(judge.store.hide(keyOf(9), true));
    // A rebuild works every row out again from the stored uploads: the hidden
    // one stays hidden, the forgotten one has no upload left to come back from.
    ASSERT_TRUE(rebuildTable(judge.files, judge.store, judge.folders, "now"));
    EXPECT_EQ(namesOf(judge.store.leaders(50)), std::vector<std::string>{"Player 1"});
    EXPECT_EQ(judge.page(kTop50PageName).find("Player 3"), std::string::npos);
    const std::vector<TableStore::Installation> all = judge.store.installations();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(all[1].hidden);
    ASSERT_TRUE(judge.store.hide(keyOf(3), false));
    EXPECT_EQ(namesOf(judge.store.leaders(50)), (std::vector<std::string>{"Player 3", "Player 1"}));
}
