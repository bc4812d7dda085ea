// The menu commands reach their dialogs, and a game played on from a saved
// file ends in the window's own boxes.
#include "settings/SavedGameFile.h"
#include "tests/support/RunningGame.h"
#include "tests/unit/shell/CommandFixture.h"

namespace tintfall {
namespace {

struct WindowDialogs : CommandFixture {};

TEST_F(WindowDialogs, MenuCommandsOpenTheirDialogs) {
    start();
    startGame();
    window.onCommand(CMD_SAVE_AS);
    window.onCommand(CMD_LOAD);
    ASSERT_EQ(runner.fileDialogs.size(), 2u);
    EXPECT_EQ(runner.fileDialogs[0].title, "Save Tintfall Game");
    EXPECT_EQ(runner.fileDialogs[1].title, "Load Tintfall Game");

    window.onCommand(CMD_LOCAL_TABLE);
    EXPECT_EQ(runner.bestScoresTable, ClassicTable);
    window.onCommand(CMD_INTERNET_TABLE);
    EXPECT_EQ(runner.bestScoresTable, InternetTable);
    EXPECT_EQ(runner.bestScoresShown, 2);
    // The game stood still in each of them and runs on.
    for (const ModalSnapshot& shown : runner.snapshots) EXPECT_EQ(shown.notPaused, 0);
    EXPECT_EQ(window.gameState().notPaused, 1);
}

TEST_F(WindowDialogs, WinningTheLastLevelShowsTheWinnerBox) {
    // A saved game on the last level with three blocks left to clear; the
    // piece completes a row of three on the floor.
    GameDriver earlier;
    earlier.pressStartStop();
    GameState& saved = earlier.state();
    setOneDropFromWinning(saved);
    files.contents[path("won.tfs")] = encodeSavedGame(saved, earlier.settings());

    start();
    runner.chosenFiles.push_back(path("won.tfs"));
    window.onCommand(CMD_LOAD);
    ASSERT_EQ(window.gameState().level, 20);
    const std::int32_t drop = earlier.settings().keyCode[DropBottom];
    window.preTranslateKey(true, drop);
    window.onKeyDown(drop);
    clock.advance(kTickMilliseconds);
    window.onTick();
    window.preTranslateKey(false, drop);

    EXPECT_EQ(window.gameState().gameRunning, 0);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "You are Winner !");
    EXPECT_EQ(services.messages[0].title, "CONGRATULATIONS !!!");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    // The name prompt of the result follows the box.
    EXPECT_EQ(runner.dialogs, std::vector<std::string>{"name"});
}

}  // namespace
}  // namespace tintfall
