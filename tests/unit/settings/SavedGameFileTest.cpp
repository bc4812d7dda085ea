#include <gtest/gtest.h>

#include "settings/SavedGameFile.h"
#include "tests/support/MemoryFiles.h"
#include "tests/unit/scores/FileBytes.h"

using namespace tintfall;

namespace {

const std::string kSavedGamePath = "C:\\Games\\game.tfs";

// A game in the middle of play, every stored field set to a value of its own.
GameState playingState() {
    GameState g;
    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row) g.board.setCell(column, row, column * 100 + row);
    g.piece.colours = {1, 2, 3};
    g.nextColours = {4, 5, 0};
    g.piece.kind = MediumBomb;
    g.piece.column = 4;
    g.piece.row = 7;
    g.piece.prevColumn = 3;
    g.piece.prevRow = 6;
    g.fallInterval = 450;
    g.lastFallTime = 0xFFFFFF00u;
    g.lastTickTime = 0xFFFFFF10u;
    g.pieceSpawnSecond = 17;
    g.timerStamp = 123456;
    g.clockRunning = 1;
    g.bestSoundPending = 0;
    g.level = 9;
    g.score = 48210;
    g.blocksRemoved = 377;
    g.blocksToClear = 23;
    g.timeLeft = 37;
    g.riseCountdown = -1;
    g.riseCountdownMax = -1;
    g.stats.startedText = "Sunday, 5 January 2003 9:05:07";
    g.stats.finishedText = std::string(300, 'f');
    g.secondsStamp = 99;
    g.stats.gameSeconds = 3725;
    g.stats.piecesCount = 140;
    g.stats.bombsCount = 6;
    g.stats.minDropSeconds = 1;
    g.stats.maxDropSeconds = 12;
    g.stats.sumDropSeconds = 560;
    g.gameRunning = 1;
    return g;
}

GameSettings timerRules() {
    GameSettings s;
    s.gameMode = Timer;
    s.colourCount = Hard;
    s.blockCountCode = 2;
    s.bombsEnabled = 0;
    return s;
}

void expectSameStoredFields(const GameState& a, const GameState& b) {
    EXPECT_EQ(a.board.cells, b.board.cells);
    EXPECT_EQ(a.piece.colours, b.piece.colours);
    EXPECT_EQ(a.nextColours, b.nextColours);
    EXPECT_EQ(a.piece.kind, b.piece.kind);
    EXPECT_EQ(a.piece.column, b.piece.column);
    EXPECT_EQ(a.piece.row, b.piece.row);
    EXPECT_EQ(a.piece.prevColumn, b.piece.prevColumn);
    EXPECT_EQ(a.piece.prevRow, b.piece.prevRow);
    EXPECT_EQ(a.fallInterval, b.fallInterval);
    EXPECT_EQ(a.lastFallTime, b.lastFallTime);
    EXPECT_EQ(a.lastTickTime, b.lastTickTime);
    EXPECT_EQ(a.pieceSpawnSecond, b.pieceSpawnSecond);
    EXPECT_EQ(a.timerStamp, b.timerStamp);
    EXPECT_EQ(a.bestSoundPending, b.bestSoundPending);
    EXPECT_EQ(a.level, b.level);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.blocksRemoved, b.blocksRemoved);
    EXPECT_EQ(a.blocksToClear, b.blocksToClear);
    EXPECT_EQ(a.timeLeft, b.timeLeft);
    EXPECT_EQ(a.riseCountdown, b.riseCountdown);
    EXPECT_EQ(a.riseCountdownMax, b.riseCountdownMax);
    EXPECT_EQ(a.stats.startedText, b.stats.startedText);
    EXPECT_EQ(a.stats.finishedText, b.stats.finishedText);
    EXPECT_EQ(a.secondsStamp, b.secondsStamp);
    EXPECT_EQ(a.stats.gameSeconds, b.stats.gameSeconds);
    EXPECT_EQ(a.stats.piecesCount, b.stats.piecesCount);
    EXPECT_EQ(a.stats.bombsCount, b.stats.bombsCount);
    EXPECT_EQ(a.stats.minDropSeconds, b.stats.minDropSeconds);
    EXPECT_EQ(a.stats.maxDropSeconds, b.stats.maxDropSeconds);
    EXPECT_EQ(a.stats.sumDropSeconds, b.stats.sumDropSeconds);
    EXPECT_EQ(a.gameRunning, b.gameRunning);
}

void expectSameRules(const GameSettings& a, const GameSettings& b) {
    EXPECT_EQ(a.gameMode, b.gameMode);
    EXPECT_EQ(a.colourCount, b.colourCount);
    EXPECT_EQ(a.blockCountCode, b.blockCountCode);
    EXPECT_EQ(a.bombsEnabled, b.bombsEnabled);
}

}  // namespace

TEST(SavedGameFile, HeaderBoardAndCountersSitAtTheirOffsets) {
    const std::vector<std::uint8_t> bytes = encodeSavedGame(playingState(), timerRules());
    EXPECT_EQ(bytes[0], 0x12);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 19), "TINTFALL_SAVE_FILE");
    EXPECT_EQ(int32At(bytes, 19), 10);
    // Row by row on disk although the board is held column by column.
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            ASSERT_EQ(int32At(bytes, 23 + 4 * (6 * row + column)), column * 100 + row);
    EXPECT_EQ(int32At(bytes, 379), 514);  // column 5, row 14
    EXPECT_EQ(int32At(bytes, 383), 1);
    EXPECT_EQ(int32At(bytes, 395 + 4), 5);
    EXPECT_EQ(int32At(bytes, 407), MediumBomb);
    EXPECT_EQ(int32At(bytes, 415), 7);
    EXPECT_EQ(int32At(bytes, 427), 450);
    EXPECT_EQ(static_cast<std::uint32_t>(int32At(bytes, 431)), 0xFFFFFF00u);
    EXPECT_EQ(int32At(bytes, 443), 123456);
    EXPECT_EQ(int32At(bytes, 447), 0);  // clockRunning is never stored running
    EXPECT_EQ(int32At(bytes, 451), 0);
    EXPECT_EQ(int32At(bytes, 455), 9);
    EXPECT_EQ(int32At(bytes, 471), 37);
    EXPECT_EQ(int32At(bytes, 479), -1);
    EXPECT_EQ(bytes[483], 30);  // startedText
    // After the two texts: the stats, gameRunning and the four rules.
    const std::size_t tail = bytes.size() - 4 * 12;
    EXPECT_EQ(int32At(bytes, tail), 99);
    EXPECT_EQ(int32At(bytes, tail + 4), 3725);
    EXPECT_EQ(int32At(bytes, tail + 24), 560);
    EXPECT_EQ(int32At(bytes, tail + 28), 1);
    EXPECT_EQ(int32At(bytes, tail + 32), Timer);
    EXPECT_EQ(int32At(bytes, tail + 36), Hard);
    EXPECT_EQ(int32At(bytes, tail + 40), 2);
    EXPECT_EQ(int32At(bytes, tail + 44), 0);
    EXPECT_EQ(bytes.size(), 483u + 1 + 30 + 3 + 300 + 48);
}

TEST(SavedGameFile, LoadRestoresTheGameAndItsRulesAndKeepsWhatIsNotStored) {
    MemoryFiles files;
    const GameState saved = playingState();
    ASSERT_TRUE(saveGame(files, kSavedGamePath, saved, timerRules()));

    GameState current;
    current.bestScoreToBeat = 777;
    current.notPaused = 0;
    current.clockRunning = 1;
    current.keys[2].held = 1;
    current.random.state = 42;
    GameSettings settings;
    settings.demolitionDelay = 333;
    ASSERT_EQ(loadGame(files, kSavedGamePath, current, settings), SavedGameLoad::Loaded);

    expectSameStoredFields(current, saved);
    expectSameRules(settings, timerRules());
    EXPECT_EQ(current.timeLeft, 37);
    EXPECT_EQ(current.clockRunning, 0);
    EXPECT_EQ(current.bestScoreToBeat, 777);
    EXPECT_EQ(current.notPaused, 0);
    EXPECT_EQ(current.keys[2].held, 1);
    EXPECT_EQ(current.random.state, 42u);
    EXPECT_EQ(settings.demolitionDelay, 333);
}

TEST(SavedGameFile, ForeignOrShortFilesLeaveTheCurrentGameUntouched) {
    const std::vector<std::uint8_t> valid = encodeSavedGame(playingState(), timerRules());
    std::vector<std::uint8_t> format9 = valid;
    format9[19] = 9;
    std::vector<std::uint8_t> otherHeader = valid;
    otherHeader[1] = 't';

    const GameState before;  // a fresh state, different from the saved one everywhere
    const GameSettings rulesBefore;
    auto expectUntouched = [&](const std::vector<std::uint8_t>& bytes, std::size_t length) {
        GameState state;
        GameSettings settings;
        EXPECT_FALSE(parseSavedGame(bytes.data(), length, state, settings)) << "length " << length;
        expectSameStoredFields(state, before);
        expectSameRules(settings, rulesBefore);
    };
    expectUntouched(format9, format9.size());
    expectUntouched(otherHeader, otherHeader.size());
    for (std::size_t length = 0; length < valid.size(); ++length) expectUntouched(valid, length);

    MemoryFiles files;
    files.contents[kSavedGamePath] = format9;
    GameState state;
    GameSettings settings;
    EXPECT_EQ(loadGame(files, kSavedGamePath, state, settings), SavedGameLoad::Incorrect);
    files.contents[kSavedGamePath].assign(valid.begin(), valid.end() - 1);
    EXPECT_EQ(loadGame(files, kSavedGamePath, state, settings), SavedGameLoad::Incorrect);
    expectSameStoredFields(state, before);
}

TEST(SavedGameFile, MissingOrUnwritableFilesAreReported) {
    MemoryFiles files;
    GameState state;
    GameSettings settings;
    EXPECT_EQ(loadGame(files, kSavedGamePath, state, settings), SavedGameLoad::CannotOpen);
    files.allWritesFail = true;
    EXPECT_FALSE(saveGame(files, kSavedGamePath, state, settings));
    EXPECT_FALSE(files.exists(kSavedGamePath));
    EXPECT_EQ(saveGameErrorText("C:\\a b\\x.tfs"), "ERROR! It is impossible to save file \"C:\\a b\\x.tfs\"");
}
