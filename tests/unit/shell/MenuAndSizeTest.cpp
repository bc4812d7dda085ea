// Menu item states and the window size commands.
#include "tests/unit/shell/MainWindowFixture.h"

namespace tintfall {
namespace {

TEST(MenuState, TextsAndEnabledStatesFollowTheGame) {
    GameState state;
    GameSettings settings;
    MenuState menu = menuState(state, settings, AutomaticSize);
    EXPECT_EQ(menu.startStopText, "Start Game\tF2");
    EXPECT_EQ(menu.pauseText, "Pause\tPause");
    EXPECT_FALSE(menu.pauseEnabled);
    EXPECT_FALSE(menu.saveEnabled);

    state.gameRunning = 1;
    menu = menuState(state, settings, AutomaticSize);
    EXPECT_EQ(menu.startStopText, "Stop Game\tF2");
    EXPECT_TRUE(menu.pauseEnabled);
    EXPECT_TRUE(menu.saveEnabled);

    state.notPaused = 0;
    settings.keyCode[PauseGame] = 'P';
    EXPECT_EQ(menuState(state, settings, AutomaticSize).pauseText, "Resume\tP");
    settings.keyCode[PauseGame] = 91;
    EXPECT_EQ(menuState(state, settings, AutomaticSize).pauseText, "Resume\tKey #91");
}

TEST(MenuState, ExactlyTheChosenSizeIsChecked) {
    const GameState state;
    const GameSettings settings;
    EXPECT_EQ(menuState(state, settings, NormalSize).sizeChecked, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(menuState(state, settings, BigSize).sizeChecked, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(menuState(state, settings, AutomaticSize).sizeChecked, (std::array<bool, 3>{false, false, true}));
}

TEST_F(MainWindowTest, SizeCommandsResizeWithoutTouchingTheGame) {
    window.screen = {800, 600};
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    window.onCommand(CMD_PAUSE);
    const GameState& state = window.gameState();
    const GameBoard board = state.board;
    const std::int32_t score = state.score;

    window.onCommand(CMD_SIZE_BIG);
    ASSERT_FALSE(this->window.resizes.empty());
    EXPECT_EQ(this->window.resizes.back().width, 602);
    EXPECT_EQ(this->window.resizes.back().height, 602);
    EXPECT_EQ(this->window.backBuffers.back().width, 602);
    EXPECT_EQ(state.board.cells, board.cells);
    EXPECT_EQ(state.score, score);
    EXPECT_EQ(state.notPaused, 0);
    EXPECT_EQ(window.currentMenuState().sizeChecked, (std::array<bool, 3>{false, true, false}));
    // The panel follows the new size: Big's Start button lies lower.
    EXPECT_EQ(window.layout().panel.buttons[PanelButton::StartStop].y, 68);

    window.onCommand(CMD_SIZE_NORMAL);
    EXPECT_EQ(this->window.resizes.back().width, 483);
    EXPECT_EQ(this->window.resizes.back().height, 407);

    // Automatic looks at the screen again when chosen.
    this->window.screen = {1280, 1024};
    window.onCommand(CMD_SIZE_AUTOMATIC);
    EXPECT_EQ(window.currentMenuState().sizeChecked, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(this->window.resizes.back().width, 602);
    EXPECT_EQ(this->window.backBuffersReleased, 3);
}

// On a screen finer than 96 DPI the layouts keep their units: the window,
// the back buffer and every frame are the layout scaled, the mouse finds the
// button drawn under it, the automatic size measures the screen in units, and
// a move to a screen of another resolution lays the window out again.
TEST_F(MainWindowTest, FinerScreensShowTheLayoutScaled) {
    window.screenDpi = 192;
    window.screen = {1660, 1240};  // 830 x 620 units: Big
    MainWindow& window = createInstalled();
    EXPECT_EQ(window.layout().clientWidth, 602);
    ASSERT_EQ(this->window.backBuffers.size(), 1u);
    EXPECT_EQ(this->window.backBuffers[0].width, 1204);

    this->window.screen = {1658, 1240};  // 829 units wide: Normal
    window.onCommand(CMD_SIZE_AUTOMATIC);
    EXPECT_EQ(this->window.resizes.back().width, 966);
    EXPECT_EQ(this->window.resizes.back().height, 814);

    // Start/Stop lies at 63..141 x 22..43 in units: 126..283 x 44..87 in pixels.
    window.onTick();
    ASSERT_FALSE(this->window.presents.empty());
    window.onLeftButtonDown(282, 86);
    window.onLeftButtonUp(282, 86);
    EXPECT_EQ(window.gameState().gameRunning, 1);

    window.onDpiChanged(144);
    EXPECT_EQ(this->window.resizes.back().width, 725);  // 483 x 1.5, the half rounded up
    EXPECT_EQ(this->window.resizes.back().height, 611);
    EXPECT_EQ(this->window.backBuffers.back().width, 725);
}

TEST_F(MainWindowTest, ChosenSizeIsWrittenOnlyAtShutdown) {
    MainWindow& window = createInstalled();
    window.onCommand(CMD_SIZE_BIG);
    EXPECT_FALSE(files.bytesOf("ws.dat").has_value());
    window.onDestroy();
    EXPECT_EQ(files.bytesOf("ws.dat"), windowSizeBytes(BigSize));
}

TEST_F(MainWindowTest, StartStopCommandCancelsOnlyAfterYes) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    ASSERT_EQ(window.gameState().gameRunning, 1);
    window.onCommand(CMD_START_STOP);
    ASSERT_EQ(this->window.messages.size(), 1u);
    EXPECT_EQ(this->window.messages[0].text, "Do you want to cancel current game?");
    EXPECT_EQ(this->window.messages[0].title, "Tintfall");
    EXPECT_EQ(this->window.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(this->window.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.gameState().gameRunning, 1);
    this->window.answers = {MessageAnswer::Yes};
    window.onCommand(CMD_START_STOP);
    EXPECT_EQ(window.gameState().gameRunning, 0);
    EXPECT_EQ(window.gameState().notPaused, 1);
}

}  // namespace
}  // namespace tintfall
