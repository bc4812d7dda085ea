#include <gtest/gtest.h>

#include "scores/GameInfo.h"
#include "settings/GameSettings.h"

using namespace tintfall;

namespace {

ScoreEntry finishedGame() {
    ScoreEntry e;
    e.name = "Blue Fox";
    e.country = "Local";
    e.level = 7;
    e.score = 12345;
    e.blocksRemoved = 210;
    e.hasInfo = 1;
    e.startedText = "Sunday, 5 January 2003 9:05:07";
    e.finishedText = "Sunday, 5 January 2003 10:07:12";
    e.gameSeconds = 3725;
    e.piecesCount = 96;
    e.bombsCount = 3;
    e.minDropSeconds = 2;
    e.maxDropSeconds = 9;
    e.averageDropSeconds = 7;
    e.bombsEnabled = 1;
    e.gameMode = Timer;
    e.colourCount = 5;
    e.blockCountCode = 0;
    return e;
}

std::string timeLine(std::int32_t seconds) {
    ScoreEntry e = finishedGame();
    e.gameSeconds = seconds;
    const std::string body = gameInfoText(e).body;
    const std::size_t start = body.find("Time of Game: ");
    return body.substr(start, body.find('\n', start) - start);
}

}  // namespace

TEST(GameInfo, TheEighteenLinesOfAFinishedGame) {
    const GameInfoText info = gameInfoText(finishedGame());
    EXPECT_EQ(info.title, "Game Info: Blue Fox");
    EXPECT_EQ(info.body,
              "Name: Blue Fox\n"
              "Country: Local\n"
              "Game mode: Timer\n"
              "Difficulty: Normal\n"
              "Number of blocks: 3 blocks\n"
              "Time of Game: 01:02:05\n"
              "\n"
              "Started: Sunday, 5 January 2003 9:05:07\n"
              "Scores: 12345\n"
              "Level: 7\n"
              "Blocks: 210\n"
              "Amount of pieces: 96\n"
              "Bombs in the game: YES\n"
              "Amount of Bombs: 3\n"
              "Mimimum drop time of Tetris piece (seconds): 2\n"
              "Maximum drop time of Tetris piece (seconds): 9\n"
              "Average drop time of Tetris piece (seconds): 7\n"
              "Finished: Sunday, 5 January 2003 10:07:12");
}

TEST(GameInfo, GameTimeHasAtLeastTwoDigitsPerField) {
    EXPECT_EQ(timeLine(3725), "Time of Game: 01:02:05");
    EXPECT_EQ(timeLine(360000), "Time of Game: 100:00:00");
    EXPECT_EQ(timeLine(0), "Time of Game: 00:00:00");
    EXPECT_EQ(timeLine(59), "Time of Game: 00:00:59");
    EXPECT_EQ(timeLine(3599), "Time of Game: 00:59:59");
}

TEST(GameInfo, EveryListedSettingValueHasItsName) {
    ScoreEntry e = finishedGame();
    const char* modes[] = {"Game mode: Classic\n", "Game mode: Timer\n", "Game mode: Rising\n"};
    for (int mode = 0; mode < 3; ++mode) {
        e.gameMode = mode;
        EXPECT_NE(gameInfoText(e).body.find(modes[mode]), std::string::npos);
    }
    const char* difficulties[] = {"Difficulty: Easy\n", "Difficulty: Normal\n", "Difficulty: Hard\n"};
    for (int colours = 4; colours <= 6; ++colours) {
        e.colourCount = colours;
        EXPECT_NE(gameInfoText(e).body.find(difficulties[colours - 4]), std::string::npos);
    }
    const char* blocks[] = {"blocks: 3 blocks\n", "blocks: 2 blocks\n", "blocks: 1 block\n"};
    for (int code = 0; code < 3; ++code) {
        e.blockCountCode = code;
        EXPECT_NE(gameInfoText(e).body.find(blocks[code]), std::string::npos);
    }
    e.bombsEnabled = 0;
    EXPECT_NE(gameInfoText(e).body.find("Bombs in the game: NO\n"), std::string::npos);
}

TEST(GameInfo, AnUnlistedValueLeavesOnlyItsLabelAndJoinsTheNextLine) {
    ScoreEntry e = finishedGame();
    e.gameMode = 3;
    e.colourCount = 0;
    e.blockCountCode = -1;
    const std::string body = gameInfoText(e).body;
    EXPECT_NE(body.find("Country: Local\nGame mode: Difficulty: Number of blocks: Time of Game: 01:02:05\n"),
              std::string::npos);
}

TEST(GameInfo, AnEmptyRowAndAnInternetRow) {
    ScoreEntry internet = finishedGame();
    internet.name = "Ola";
    internet.country = "Norway";
    const GameInfoText info = gameInfoText(internet);
    EXPECT_EQ(info.title, "Game Info: Ola");
    EXPECT_EQ(info.body.substr(0, 26), "Name: Ola\nCountry: Norway\n");

    ScoreEntry early = finishedGame();
    early.piecesCount = 0;
    early.minDropSeconds = 1000;
    early.maxDropSeconds = 0;
    early.averageDropSeconds = 0;
    const std::string body = gameInfoText(early).body;
    EXPECT_NE(body.find("Mimimum drop time of Tetris piece (seconds): 1000\n"), std::string::npos);
    EXPECT_NE(body.find("Maximum drop time of Tetris piece (seconds): 0\n"), std::string::npos);
    EXPECT_NE(body.find("Average drop time of Tetris piece (seconds): 0\n"), std::string::npos);
}
