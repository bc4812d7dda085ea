// Ticks, activation, the modal wrap, quitting and the close box.
#include "TableServerConfig.h"
#include "scores/UsageTime.h"
#include "settings/OptionsFile.h"
#include "tests/unit/shell/MainWindowFixture.h"

namespace tintfall {
namespace {

constexpr int kPauseKey = 19;
constexpr int kLeftKey = 37;

TEST_F(MainWindowTest, FirstTickPaintsAndLaterTicksOnlyWhenTheMinuteChanges) {
    MainWindow& window = createInstalled();
    window.onPaint();
    EXPECT_TRUE(this->window.presents.empty());

    window.onTick();
    const std::size_t afterFirst = this->window.presents.size();
    EXPECT_GE(afterFirst, 1u);

    clock.advance(20);
    window.onTick();
    EXPECT_EQ(this->window.presents.size(), afterFirst);

    LocalTime later;
    later.minute = 1;
    clock.setLocalTime(later);
    window.onTick();
    EXPECT_GT(this->window.presents.size(), afterFirst);
}

TEST_F(MainWindowTest, TicksStepTheTitleAnimation) {
    MainWindow& window = createInstalled();
    const std::size_t shown = this->window.titles.size();
    clock.advance(50);
    window.onTick();
    EXPECT_EQ(this->window.titles.size(), shown);
    clock.advance(60);
    window.onTick();
    ASSERT_EQ(this->window.titles.size(), shown + 1);
    EXPECT_EQ(this->window.titles.back().substr(0, 5), "    T");
}

TEST_F(MainWindowTest, DeactivationStopsTheClockAndForgetsHeldKeys) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    window.onTick();
    const GameState& state = window.gameState();
    ASSERT_EQ(state.gameRunning, 1);
    ASSERT_EQ(state.clockRunning, 1);
    window.preTranslateKey(true, kLeftKey);
    ASSERT_EQ(state.keys[MoveLeft].held, 1);
    const std::size_t presents = this->window.presents.size();

    window.onActivateApp(false);
    EXPECT_EQ(state.appActive, 0);
    EXPECT_EQ(state.clockRunning, 0);
    EXPECT_EQ(state.keys[MoveLeft].held, 0);
    EXPECT_GT(this->window.presents.size(), presents);

    window.onActivateApp(true);
    EXPECT_EQ(state.appActive, 1);
    EXPECT_EQ(state.keys[MoveLeft].held, 0);
}

TEST_F(MainWindowTest, PauseKeyTogglesPauseOnlyDuringAGame) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onKeyDown(kPauseKey);
    EXPECT_EQ(window.gameState().notPaused, 1);
    window.onCommand(CMD_START_STOP);
    window.onKeyDown(kPauseKey);
    EXPECT_EQ(window.gameState().notPaused, 0);
    window.onCommand(CMD_PAUSE);
    EXPECT_EQ(window.gameState().notPaused, 1);
}

TEST_F(MainWindowTest, ModalCommandsPauseAroundTheirDialogAndRestoreThePauseState) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    std::vector<int> notPausedDuring;
    this->window.onModal = [&] { notPausedDuring.push_back(window.gameState().notPaused); };

    window.onCommand(CMD_HELP_INDEX);
    window.onCommand(CMD_ABOUT);
    window.onCommand(CMD_CHAMPIONS);
    EXPECT_EQ(notPausedDuring, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(this->window.helpContexts, std::vector<int>{1});
    EXPECT_EQ(window.gameState().notPaused, 1);

    window.onCommand(CMD_PAUSE);
    window.onCommand(CMD_ABOUT);
    EXPECT_EQ(window.gameState().notPaused, 0);
}

TEST_F(MainWindowTest, WebCommandsOpenPagesWithoutPausing) {
    MainWindow& window = createInstalled();
    window.onCommand(CMD_START_STOP);
    window.onCommand(CMD_HOME_PAGE);
    window.onCommand(CMD_TOP50_PAGE);
    ASSERT_EQ(this->window.opened.size(), 2u);
    // Pages of the table server's own web site.
    EXPECT_EQ(this->window.opened[0], TINTFALL_WEB_URL "tintfall/index.htm");
    EXPECT_EQ(this->window.opened[1], TINTFALL_WEB_URL "tintfall/top.htm");
    EXPECT_EQ(window.gameState().notPaused, 1);
    EXPECT_TRUE(this->window.messages.empty());
}

TEST_F(MainWindowTest, RightClickOpensHelpAtItsOwnContext) {
    MainWindow& window = createInstalled();
    window.onRightButtonUp();
    EXPECT_EQ(this->window.helpContexts, std::vector<int>{10});
}

TEST_F(MainWindowTest, DialogCommandsWithoutDialogsDoNothing) {
    MainWindow& window = createInstalled();
    window.onTick();
    window.onCommand(CMD_START_STOP);
    const GameState before = window.gameState();
    for (int command : {CMD_OPTIONS, CMD_SAVE_AS, CMD_LOAD, CMD_LOCAL_TABLE, CMD_INTERNET_TABLE}) window.onCommand(command);
    EXPECT_TRUE(this->window.messages.empty());
    EXPECT_EQ(window.gameState().notPaused, before.notPaused);
    EXPECT_EQ(window.gameState().gameRunning, 1);
}

TEST_F(MainWindowTest, QuitAnsweredNoLeavesThePausedGameAsItWas) {
    MainWindow& window = createInstalled();
    window.onCommand(CMD_START_STOP);
    window.onCommand(CMD_PAUSE);
    this->window.answers = {MessageAnswer::No};
    window.onCommand(CMD_EXIT);
    ASSERT_EQ(this->window.messages.size(), 1u);
    EXPECT_EQ(this->window.messages[0].text, "Are you sure you want to quit?");
    EXPECT_EQ(this->window.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(this->window.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.gameState().notPaused, 0);
    EXPECT_EQ(window.gameState().gameRunning, 1);
    EXPECT_TRUE(this->window.quitCodes.empty());
    EXPECT_FALSE(files.bytesOf("tdata.dat").has_value());
}

TEST_F(MainWindowTest, QuitAskedWithTheGameStoppedAndItsClockRebased) {
    MainWindow& window = createInstalled();
    window.onCommand(CMD_START_STOP);
    window.onTick();
    ASSERT_EQ(window.gameState().clockRunning, 1);
    int notPausedDuring = -1;
    int clockDuring = -1;
    this->window.onMessage = [&] {
        notPausedDuring = window.gameState().notPaused;
        clockDuring = window.gameState().clockRunning;
    };
    this->window.answers = {MessageAnswer::No};
    window.onCommand(CMD_EXIT);
    EXPECT_EQ(notPausedDuring, 0);
    EXPECT_EQ(clockDuring, 0);
    EXPECT_EQ(window.gameState().notPaused, 1);
}

TEST_F(MainWindowTest, ConfirmedQuitSavesOptionsAndUsageTimeOnceAndEndsTheLoop) {
    storeOptions([](GameSettings& s) { s.gameMode = Timer; });
    MainWindow& window = createInstalled();
    window.onTick();
    clock.advance(5000);
    this->window.answers = {MessageAnswer::Yes};
    window.onCommand(CMD_EXIT);
    EXPECT_EQ(this->window.quitCodes, std::vector<int>{0});
    // Nothing is drawn any more.
    const std::size_t frames = presented();
    window.onPaint();
    EXPECT_EQ(presented(), frames);
    GameSettings saved;
    ASSERT_TRUE(readOptions(files, files.base(), saved));
    EXPECT_EQ(saved.gameMode, Timer);
    EXPECT_EQ(files.writes[files.base() + "tintfall.dat"], 1);
    UsageTime used = readUsageTime(files, files.base());
    EXPECT_EQ(used.seconds, 5u);

    // Quitting is not asked again, and the window destroyed on the way out
    // does not count the run again.
    window.onCommand(CMD_EXIT);
    EXPECT_EQ(this->window.messages.size(), 1u);
    clock.advance(3000);
    window.onDestroy();
    used = readUsageTime(files, files.base());
    EXPECT_EQ(used.seconds, 5u);
    EXPECT_EQ(files.writes[files.base() + "tintfall.dat"], 1);
    EXPECT_EQ(files.bytesOf("ws.dat"), windowSizeBytes(AutomaticSize));
}

TEST_F(MainWindowTest, CloseBoxSavesEverythingWithoutAsking) {
    MainWindow& window = createInstalled();
    window.onCommand(CMD_SIZE_NORMAL);
    clock.advance(65000);
    window.onDestroy();
    EXPECT_TRUE(this->window.messages.empty());
    const auto sizeFile = files.bytesOf("ws.dat");
    ASSERT_TRUE(sizeFile.has_value());
    EXPECT_EQ(sizeFile->size(), 29u);
    EXPECT_EQ(*sizeFile, windowSizeBytes(NormalSize));
    const UsageTime used = readUsageTime(files, files.base());
    EXPECT_EQ(used.minutes, 1u);
    EXPECT_EQ(used.seconds, 5u);
    EXPECT_EQ(files.bytesOf("tdata.dat")->size(), 12u);
    EXPECT_EQ(files.writes[files.base() + "tintfall.dat"], 2);
    EXPECT_GE(this->window.backBuffersReleased, 1);
    const std::size_t frames = presented();
    window.onPaint();
    EXPECT_EQ(presented(), frames);
}

TEST_F(MainWindowTest, ClosingWhileOptionsCannotBeSavedDoesNotAskToQuit) {
    MainWindow& window = createInstalled();
    files.failWrites = [](const std::string& path) { return path.find("tintfall.dat") != std::string::npos; };
    window.onDestroy();
    ASSERT_EQ(this->window.messages.size(), 1u);
    EXPECT_EQ(this->window.messages[0].text, "ERROR! It is impossible to save file \"tintfall.dat\"");
}

// The start of a game plays its sound, the cancel the game-over sound, each
// only while the switches let it through.
TEST_F(MainWindowTest, SoundsFollowTheSwitches) {
    auto playAndCancel = [this] {
        MainWindow& window = create();
        window.onTick();
        window.onCommand(CMD_START_STOP);
        this->window.answers = {MessageAnswer::Yes};
        window.onCommand(CMD_START_STOP);
        std::vector<std::string> played = sound.played;
        sound.played.clear();
        return played;
    };
    installProgramFiles();
    const std::string start = files.base() + "snd\\start.wav";
    const std::string over = files.base() + "snd\\gameover.wav";
    EXPECT_EQ(playAndCancel(), (std::vector<std::string>{start, over}));
    storeOptions([](GameSettings& s) { s.soundEventOn[GameStart] = 0; });
    EXPECT_EQ(playAndCancel(), std::vector<std::string>{over});
    storeOptions([](GameSettings& s) { s.soundOn = 0; });
    EXPECT_TRUE(playAndCancel().empty());
}

}  // namespace
// The viewer where the system has it (Windows up to XP, Wine whatever it
// reports), the web page of the same topic everywhere else.
TEST_F(MainWindowTest, HelpOpensInTheViewerOrAsTheSameTopicsPage) {
    struct Case {
        SystemRelease release;
        bool viewer;
    };
    const Case cases[] = {
        {{5, 1, false}, true}, {{6, 0, false}, false}, {{10, 0, false}, false},
        {{10, 0, true}, true}, {{5, 1, true}, true},
    };
    MainWindow& window = createInstalled();
    window.onCommand(CMD_START_STOP);
    for (const Case& c : cases) {
        this->window.release = c.release;
        this->window.helpContexts.clear();
        this->window.helpPages.clear();
        window.onCommand(CMD_HELP_INDEX);
        window.onRightButtonUp();
        if (c.viewer) {
            EXPECT_EQ(this->window.helpContexts, (std::vector<int>{1, 10})) << c.release.major;
            EXPECT_TRUE(this->window.helpPages.empty());
        } else {
            EXPECT_EQ(this->window.helpPages, (std::vector<std::string>{"help\\contents.html", "help\\control_panel.html"}))
                << c.release.major;
            EXPECT_TRUE(this->window.helpContexts.empty());
        }
        EXPECT_EQ(window.gameState().notPaused, 1);
    }
}

}  // namespace tintfall
