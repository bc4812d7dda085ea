// Rows sent with replays: verified when a replay re-runs to the row, shown
// so with the replay to download, and with the host's setting the only
// rows published.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include "engine/ReplayFile.h"
#include "net/Top10File.h"
#include "server/judge/HtmlPages.h"
#include "tests/support/RecordedGame.h"
#include "tests/support/TempFolder.h"
#include "tests/unit/server/Uploads.h"

using namespace tintfall;

namespace {

struct PlayedGame {
    ScoreEntry row;
    std::vector<std::uint8_t> replay;  // the file as the program sends it
};

PlayedGame playGame() {
    const RecordedGame game = playRecordedGame(5);
    return {game.row, encodeReplayFile(game.events)};
}

struct Sent {
    const char* what;
    std::int32_t scoreChange;  // a forged score: the row's score changed by this
    bool withReplay;
    bool verifiedOnly;
    const char* unverified;  // empty: verified
};

}  // namespace

TEST(VerifiedRow, ARowIsVerifiedOnlyByAReplayThatReRunsToItAndTheHostMayPublishOnlyThose) {
    const PlayedGame game = playGame();
    const Sent cases[] = {
        {"the game with its replay", 0, true, false, ""},
        {"an older program, no replay", 0, false, false, "no replay sent"},
        {"a forged score with the real replay", 1000, true, false, "the row's score is not the replay's"},
        {"the game with its replay, verified only", 0, true, true, ""},
        {"a forged score, verified only", 1000, true, true, "the row's score is not the replay's"},
        {"no replay, verified only", 0, false, true, "no replay sent"},
    };
    for (const Sent& sent : cases) {
        JudgeSetup judge;
        judge.folders.verifiedOnly = sent.verifiedOnly;
        ScoreEntry row = game.row;
        row.score += sent.scoreChange;
        const std::vector<std::vector<std::uint8_t>> replays{{'T', 'F', 'R', 'P'}, game.replay};
        const Verdict verdict = judge.send(uploadOf(1, {row}), sent.withReplay ? replays : decltype(replays){});
        ASSERT_TRUE(verdict.accepted && verdict.published) << sent.what;
        const bool verified = std::string(sent.unverified).empty();
        EXPECT_EQ(verdict.verified, verified) << sent.what;
        EXPECT_EQ(verdict.unverified, sent.unverified) << sent.what;

        const bool shown = verified || !sent.verifiedOnly;
        const std::vector<RankedRow> ranked = judge.store.ranked(50, sent.verifiedOnly);
        ASSERT_EQ(ranked.size(), shown ? 1u : 0u) << sent.what;
        const std::vector<std::uint8_t>& top10 = judge.files.contents[judge.folders.published + kTop10FileName];
        EXPECT_EQ(parseTop10(top10.data(), top10.size())->front().score, shown ? row.score : 0) << sent.what;
        const std::string link = shown && verified ? "replays/" + ranked[0].replay + ".tfr\"" : "replays/";
        for (const char* page : {kHomePageName, kTop50PageName}) {
            EXPECT_EQ(judge.page(page).find("&#10003; <a href=\"" + link) != std::string::npos, verified) << sent.what;
        }
        if (verified) { EXPECT_EQ(judge.files.contents[replayPath(judge.folders, ranked[0].replay)], game.replay); }
    }
}

TEST(VerifiedRow, AReplayNoLongerTheInstallationsIsRemoved) {
    const PlayedGame game = playGame();
    JudgeSetup judge;
    ASSERT_TRUE(judge.send(uploadOf(1, {game.row}), {game.replay}).verified);
    const std::string first = replayPath(judge.folders, judge.store.ranked(1, true).at(0).replay);
    ASSERT_TRUE(judge.send(uploadOf(1, {game.row}), {game.replay}).verified);
    const std::string second = replayPath(judge.folders, judge.store.ranked(1, true).at(0).replay);
    EXPECT_EQ(judge.files.contents.count(first), 0u);
    ASSERT_EQ(judge.files.contents.count(second), 1u);
    ASSERT_FALSE(judge.send(uploadOf(1, {game.row})).verified);
    EXPECT_EQ(judge.files.contents.count(second), 0u);
}

TEST(VerifiedRow, ADatabaseOfAnOlderServerGainsTheReplayColumn) {
    TempFolder folder;
    const std::string path = folder.base() + "table.sqlite";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    const char* older = "CREATE TABLE installation(id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, received INTEGER "
                        "NOT NULL, score INTEGER, level INTEGER, blocks INTEGER, since INTEGER, row BLOB, "
                        "hidden INTEGER NOT NULL DEFAULT 0)";
    ASSERT_EQ(sqlite3_exec(db, older, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    TableStore store(path);
    store.keepUpload(keyOf(1), {1}, classicResult(5000), "0123");
    EXPECT_EQ(store.ranked(1, true).at(0).replay, "0123");
}
