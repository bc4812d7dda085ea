#include "engine/GameRecord.h"
#include "engine/ReplayFile.h"
#include "engine/ReplayRerun.h"
#include "settings/SavedGameFile.h"
#include "tests/support/RandomPlayer.h"
#include "tests/unit/shell/CommandFixture.h"

namespace tintfall {
namespace {

struct SaveLoad : GameCommandFixture {
    const std::string savePath = "D:\\games\\mine.tfs";

    void startTimerGame(std::int32_t secondsLeft) {
        settings.gameMode = Timer;
        settings.colourCount = 6;
        state.gameRunning = 1;
        state.notPaused = 1;
        state.timeLeft = secondsLeft;
        state.score = 4321;
        state.board.setCell(5, 14, 3);
    }
    void save() {
        runner.chosenFiles.push_back(savePath);
        saveLoad.saveGameAs();
    }
    void load() {
        runner.chosenFiles.push_back(savePath);
        saveLoad.loadGame();
    }
    bool wasRead(const std::string& p) const {
        for (const auto& read : files.readPaths)
            if (read == p) return true;
        return false;
    }
};

TEST_F(SaveLoad, DialogsHaveTheirTitlesFilterAndNames) {
    state.gameRunning = 1;
    saveLoad.saveGameAs();
    saveLoad.loadGame();
    ASSERT_EQ(runner.fileDialogs.size(), 2u);
    const FileDialogRequest& saving = runner.fileDialogs[0];
    EXPECT_EQ(saving.title, "Save Tintfall Game");
    EXPECT_EQ(saving.filter, "Tintfall Save Files (*.tfs)|*.tfs|All Files (*.*)|*.*||");
    EXPECT_EQ(saving.defaultExtension, "tfs");
    EXPECT_EQ(saving.initialName, "untitled");
    EXPECT_TRUE(saving.askBeforeOverwrite);
    const FileDialogRequest& loading = runner.fileDialogs[1];
    EXPECT_EQ(loading.title, "Load Tintfall Game");
    EXPECT_EQ(loading.filter, saving.filter);
    EXPECT_EQ(loading.defaultExtension, "tfs");
    EXPECT_EQ(loading.initialName, "untitled");
}

TEST_F(SaveLoad, SystemFilterSeparatesWithNuls) {
    const std::string converted = systemFilter("A (*.a)|*.a||");
    EXPECT_EQ(converted, std::string("A (*.a)\0*.a\0\0", 13));
}

TEST_F(SaveLoad, SaveWritesTheFileWhileTheGameStandsStill) {
    startTimerGame(37);
    state.clockRunning = 1;
    save();
    ASSERT_EQ(runner.snapshots.size(), 1u);
    EXPECT_EQ(runner.snapshots[0].notPaused, 0);
    EXPECT_EQ(runner.snapshots[0].clockRunning, 0);
    EXPECT_EQ(state.notPaused, 1);
    ASSERT_TRUE(files.exists(savePath));
    const auto& bytes = files.contents[savePath];
    ASSERT_GT(bytes.size(), 383u);
    EXPECT_EQ(bytes[0], 18);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 19), "TINTFALL_SAVE_FILE");
    EXPECT_EQ(bytes[19], 10);
    EXPECT_EQ(bytes[379], 3);  // column 5, row 14
}

TEST_F(SaveLoad, SaveIsOnlyForARunningGame) {
    state.gameRunning = 0;
    runner.chosenFiles.push_back(savePath);
    saveLoad.saveGameAs();
    EXPECT_TRUE(runner.fileDialogs.empty());
    EXPECT_FALSE(files.exists(savePath));
}

TEST_F(SaveLoad, CancelledSaveWritesNothing) {
    startTimerGame(50);
    saveLoad.saveGameAs();
    EXPECT_EQ(files.writeCount, 0);
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(SaveLoad, UnwritableSaveIsReportedWithThePath) {
    startTimerGame(50);
    files.unwritable.insert(savePath);
    save();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "ERROR! It is impossible to save file \"D:\\games\\mine.tfs\"");
    EXPECT_EQ(services.messages[0].title, "Tintfall");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(SaveLoad, TimerGameLoadsWithItsSecondsLeft) {
    startTimerGame(37);
    save();
    // Another game in another mode is running when the file is loaded.
    settings.gameMode = Classic;
    settings.colourCount = 4;
    state.timeLeft = 0;
    state.score = 5;
    state.board.resetBoard();
    state.clockRunning = 1;
    clock.advance(90000);  // time spent in the dialogs is not played
    services.answers.push_back(MessageAnswer::Yes);
    load();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Attention! Do you want to cancel current game?");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(state.timeLeft, 37);
    EXPECT_EQ(state.score, 4321);
    EXPECT_EQ(state.board.cell(5, 14), 3);
    EXPECT_EQ(settings.gameMode, Timer);
    EXPECT_EQ(settings.colourCount, 6);
    EXPECT_EQ(state.clockRunning, 0);  // the clock re-bases its stamps
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(SaveLoad, LoadedGameBeatsTheBestScoreOfItsOwnMode) {
    ScoreBook book;
    ScoreEntry timerBest;
    timerBest.score = 7000;
    timerBest.level = 3;
    book.insertEntry(TimerTable, timerBest, "now");
    ScoreEntry classicBest;
    classicBest.score = 100;
    classicBest.level = 1;
    book.insertEntry(ClassicTable, classicBest, "now");
    ASSERT_TRUE(book.save(files, kFolder));
    startTimerGame(20);
    save();
    settings.gameMode = Classic;
    state.gameRunning = 0;
    state.bestScoreToBeat = 100;
    load();
    EXPECT_EQ(state.bestScoreToBeat, 7000);
}

TEST_F(SaveLoad, LoadReseedsTheGenerator) {
    startTimerGame(20);
    save();
    state.gameRunning = 0;
    state.random.state = 12345;
    clock.setCalendarSeconds(2000000000);
    load();
    EXPECT_EQ(state.random.state, static_cast<std::uint32_t>(clock.calendarSeconds()));
}

TEST_F(SaveLoad, WithoutARunningGameNothingIsAsked) {
    startTimerGame(20);
    save();
    state.gameRunning = 0;
    state.timeLeft = 0;
    load();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(state.gameRunning, 1);
    EXPECT_EQ(state.timeLeft, 20);
}

TEST_F(SaveLoad, NoToTheQuestionReadsNothing) {
    startTimerGame(20);
    save();
    state.timeLeft = 11;
    files.readPaths.clear();
    load();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_FALSE(wasRead(savePath));
    EXPECT_EQ(state.timeLeft, 11);
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(SaveLoad, CancelledLoadReadsNothing) {
    state.gameRunning = 1;
    saveLoad.loadGame();
    EXPECT_TRUE(files.readPaths.empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(SaveLoad, OlderFormatIsRefusedAndTheGameContinues) {
    startTimerGame(20);
    save();
    files.contents[savePath][19] = 9;
    state.timeLeft = 11;
    settings.gameMode = Rising;
    services.answers.push_back(MessageAnswer::Yes);
    load();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].text, "ERROR! Saved file is incorrect");
    EXPECT_EQ(services.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.timeLeft, 11);
    EXPECT_EQ(settings.gameMode, Rising);
    EXPECT_EQ(state.notPaused, 1);
}

TEST_F(SaveLoad, TruncatedFileIsRefusedLikeAForeignOne) {
    startTimerGame(20);
    save();
    files.contents[savePath].resize(400);
    state.gameRunning = 0;
    state.timeLeft = 11;
    load();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "ERROR! Saved file is incorrect");
    EXPECT_EQ(state.timeLeft, 11);
    EXPECT_EQ(state.gameRunning, 0);
}

TEST_F(SaveLoad, MissingFileIsNamedInTheError) {
    state.gameRunning = 0;
    runner.chosenFiles.push_back("D:\\nowhere.tfs");
    saveLoad.loadGame();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(services.messages[0].text.find("\"D:\\nowhere.tfs\""), std::string::npos);
    EXPECT_EQ(services.messages[0].text.rfind("ERROR!", 0), 0u);
}

TEST_F(SaveLoad, ASavedGameKeepsItsReplayBesideItAndLoadingContinuesIt) {
    driver.host().nameAnswers.push_back(std::nullopt);
    driver.pressStartStop();
    RandomPlayer player(5, false);
    driver.runWith(std::ref(player), 150);
    save();
    ASSERT_TRUE(files.exists(savePath + kReplayFileEnding));
    driver.runWith(std::ref(player), 40);  // played on, then the saved game taken back
    services.answers.push_back(MessageAnswer::Yes);
    load();
    driver.runWith(std::ref(player), 1000000);
    ASSERT_EQ(state.gameRunning, 0);
    const ReplayRerun rerun = rerunReplay(driver.game().finishedReplay());
    ASSERT_TRUE(rerun.ok) << rerun.failure;
    EXPECT_EQ(firstDifferentField(makeGameResult(state, settings), rerun.result), "");

    // Another game saved there whose replay cannot be written must not be
    // loaded with the first game's replay.
    driver.pressStartStop();
    driver.runWith(std::ref(player), 20);
    files.unwritable.insert(savePath + kReplayFileEnding);
    save();
    EXPECT_FALSE(files.exists(savePath + kReplayFileEnding));
}

}  // namespace
}  // namespace tintfall
