#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/ControlPanel.h"
#include "panel/PanelHitTest.h"
#include "tests/support/GameDriver.h"
#include "shell/WindowLayout.h"

using namespace tintfall;

namespace {

enum class Cursor { None, Hand, Arrow };

class RecordingCommands : public PanelCommands {
public:
    void drawPanel() override { ++panelDraws; }
    void clearClassCursor() override { ++classCursorClears; }
    void showButtonCursor() override { cursor = Cursor::Hand; }
    void restoreDefaultCursor() override { cursor = Cursor::Arrow; }
    void saveGame() override { calls.push_back("save"); }
    void loadGame() override { calls.push_back("load"); }
    void showLocalTables() override { calls.push_back("local"); }
    void showInternetTable() override { calls.push_back("internet"); }
    void showHelpIndex() override { calls.push_back("help"); }
    void showHelpContext(int context) override { calls.push_back("help " + std::to_string(context)); }
    void confirmQuit() override { calls.push_back("quit"); }
    void openHomePage() override { calls.push_back("home"); }

    int panelDraws = 0;
    int classCursorClears = 0;
    Cursor cursor = Cursor::None;
    std::vector<std::string> calls;
};

class ControlPanelTest : public ::testing::Test {
protected:
    ControlPanelTest() : panel_(driver_.game(), driver_.host(), commands_) {
        panel_.setGeometry(applyLayout(0).panel);
    }

    Point inside(PanelButton button) const {
        const Rect& r = panel_.geometry().buttons[button];
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    void move(PanelButton button) { panel_.onMouseMove(inside(button).x, inside(button).y); }
    void click(PanelButton button) {
        const Point p = inside(button);
        panel_.onMouseMove(p.x, p.y);
        panel_.onLeftButtonDown(p.x, p.y);
        panel_.onLeftButtonUp(p.x, p.y);
    }
    void startGame() {
        click(PanelButton::StartStop);
        ASSERT_EQ(driver_.state().gameRunning, 1);
    }

    GameDriver driver_;
    RecordingCommands commands_;
    ControlPanel panel_;
};

}  // namespace

TEST_F(ControlPanelTest, HoverShowsTheHandAndRepaintsOnlyOnChange) {
    move(PanelButton::Load);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Load], 1);
    EXPECT_EQ(panel_.looks().statusLine, 4);
    EXPECT_EQ(commands_.cursor, Cursor::Hand);
    EXPECT_EQ(commands_.panelDraws, 1);

    panel_.onMouseMove(inside(PanelButton::Load).x + 1, inside(PanelButton::Load).y);
    EXPECT_EQ(commands_.panelDraws, 1);
    EXPECT_EQ(commands_.classCursorClears, 2);

    panel_.onMouseMove(300, 200);  // the playing field
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Load], 0);
    EXPECT_EQ(panel_.looks().statusLine, 0);
    EXPECT_EQ(commands_.cursor, Cursor::Arrow);
    EXPECT_EQ(commands_.panelDraws, 2);
}

TEST_F(ControlPanelTest, InformationDisplayShowsTheArrowWithItsLine) {
    const WindowLayout layout = applyLayout(0);
    panel_.onMouseMove(layout.scoreRect.x + 3, layout.scoreRect.y + 3);
    EXPECT_EQ(panel_.looks().statusLine, 26);
    EXPECT_EQ(commands_.cursor, Cursor::Arrow);
    EXPECT_EQ(commands_.panelDraws, 1);
}

TEST_F(ControlPanelTest, PressOnLoadReleasedOverExitRunsExitOnly) {
    move(PanelButton::Load);
    panel_.onLeftButtonDown(inside(PanelButton::Load).x, inside(PanelButton::Load).y);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Load], 2);
    ASSERT_EQ(driver_.host().sounds.size(), 1u);
    EXPECT_EQ(driver_.host().sounds[0].event, ButtonPress);
    EXPECT_EQ(driver_.host().sounds[0].slot, 0);

    // A pressed button stays pressed while the mouse stays over it.
    panel_.onMouseMove(inside(PanelButton::Load).x + 2, inside(PanelButton::Load).y);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Load], 2);

    panel_.onLeftButtonUp(inside(PanelButton::Exit).x, inside(PanelButton::Exit).y);
    EXPECT_EQ(commands_.calls, std::vector<std::string>{"quit"});
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Exit], 1);
}

TEST_F(ControlPanelTest, ReleaseOverNothingRunsNothing) {
    move(PanelButton::Load);
    panel_.onLeftButtonDown(inside(PanelButton::Load).x, inside(PanelButton::Load).y);
    const int redraws = driver_.host().draws.redraws;
    panel_.onLeftButtonUp(104 + 39, inside(PanelButton::Load).y);  // just right of Load
    EXPECT_TRUE(commands_.calls.empty());
    EXPECT_EQ(driver_.host().draws.redraws, redraws);
}

TEST_F(ControlPanelTest, EachCommandButtonReachesItsCommand) {
    const std::vector<std::pair<PanelButton, std::string>> expected = {
        {PanelButton::Load, "load"}, {PanelButton::LocalTable, "local"}, {PanelButton::InternetTable, "internet"},
        {PanelButton::Help, "help"}, {PanelButton::Exit, "quit"},        {PanelButton::Logo, "home"},
    };
    for (const auto& [button, call] : expected) {
        commands_.calls.clear();
        click(button);
        EXPECT_EQ(commands_.calls, std::vector<std::string>{call}) << "button " << call;
    }
}

TEST_F(ControlPanelTest, LogoHasNoPressedLookAndNoClick) {
    move(PanelButton::Logo);
    panel_.onLeftButtonDown(inside(PanelButton::Logo).x, inside(PanelButton::Logo).y);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Logo], 1);
    EXPECT_TRUE(driver_.host().sounds.empty());
    panel_.onLeftButtonUp(inside(PanelButton::Logo).x, inside(PanelButton::Logo).y);
    EXPECT_EQ(commands_.calls, std::vector<std::string>{"home"});
}

TEST_F(ControlPanelTest, RightClickOpensHelpAtContextTen) {
    panel_.onRightButtonUp();
    EXPECT_EQ(commands_.calls, std::vector<std::string>{"help 10"});
}

TEST_F(ControlPanelTest, PauseAndSaveIgnoreTheMouseBetweenGames) {
    move(PanelButton::Save);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Save], 0);
    EXPECT_EQ(panel_.looks().statusLine, 3);
    EXPECT_EQ(commands_.cursor, Cursor::Arrow);
    click(PanelButton::Save);
    click(PanelButton::Pause);
    EXPECT_TRUE(commands_.calls.empty());
    EXPECT_TRUE(driver_.host().sounds.empty());
    EXPECT_EQ(driver_.state().notPaused, 1);
}

TEST_F(ControlPanelTest, SettingButtonsChangeTheSettingsBetweenGames) {
    GameSettings& s = driver_.settings();
    click(PanelButton::Timer);
    EXPECT_EQ(s.gameMode, Timer);
    click(PanelButton::Rising);
    EXPECT_EQ(s.gameMode, Rising);
    click(PanelButton::Classic);
    EXPECT_EQ(s.gameMode, Classic);
    click(PanelButton::Easy);
    EXPECT_EQ(s.colourCount, 4);
    click(PanelButton::Hard);
    EXPECT_EQ(s.colourCount, 6);
    click(PanelButton::Normal);
    EXPECT_EQ(s.colourCount, 5);
    click(PanelButton::OneBlock);
    EXPECT_EQ(s.blockCountCode, 2);
    click(PanelButton::TwoBlocks);
    EXPECT_EQ(s.blockCountCode, 1);
    click(PanelButton::ThreeBlocks);
    EXPECT_EQ(s.blockCountCode, 0);
    const int bombsBefore = s.bombsEnabled;
    click(PanelButton::Bombs);
    EXPECT_EQ(s.bombsEnabled, bombsBefore ? 0 : 1);
    click(PanelButton::Bombs);
    EXPECT_EQ(s.bombsEnabled, bombsBefore);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Bombs], 1);
}

TEST_F(ControlPanelTest, ClassicSelectorDuringAGameExplainsButDoesNothing) {
    driver_.settings().gameMode = Timer;
    startGame();
    const int draws = commands_.panelDraws;
    move(PanelButton::Classic);
    EXPECT_EQ(panel_.looks().statusLine, 9);
    EXPECT_EQ(commands_.cursor, Cursor::Arrow);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Classic], 0);
    EXPECT_GT(commands_.panelDraws, draws);  // the status line changed

    const std::size_t sounds = driver_.host().sounds.size();
    const int redraws = driver_.host().draws.redraws;
    panel_.onLeftButtonDown(inside(PanelButton::Classic).x, inside(PanelButton::Classic).y);
    panel_.onLeftButtonUp(inside(PanelButton::Classic).x, inside(PanelButton::Classic).y);
    EXPECT_EQ(driver_.settings().gameMode, Timer);
    EXPECT_EQ(driver_.host().sounds.size(), sounds);
    EXPECT_EQ(driver_.host().draws.redraws, redraws);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Classic], 0);
}

TEST_F(ControlPanelTest, DisabledButtonKeepsItsLastStateUntilItWorksAgain) {
    move(PanelButton::Rising);
    ASSERT_EQ(panel_.looks().buttonState[PanelButton::Rising], 1);
    driver_.pressStartStop();  // F2, with the mouse still over Rising
    ASSERT_EQ(driver_.state().gameRunning, 1);
    panel_.onMouseMove(300, 200);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Rising], 1);
    driver_.host().yesNoAnswers.push_back(true);
    driver_.host().nameAnswers.push_back(std::nullopt);
    driver_.pressStartStop();
    ASSERT_EQ(driver_.state().gameRunning, 0);
    panel_.onMouseMove(300, 200);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::Rising], 0);
}

TEST_F(ControlPanelTest, NextBarSwitchDuringAGameTogglesAndRedrawsAtOnce) {
    startGame();
    ASSERT_EQ(driver_.settings().showNextBar, 1);
    const int redraws = driver_.host().draws.redraws;
    click(PanelButton::NextBarSwitch);
    EXPECT_EQ(driver_.settings().showNextBar, 0);
    EXPECT_EQ(driver_.host().draws.redraws, redraws + 1);
    click(PanelButton::NextBarSwitch);
    EXPECT_EQ(driver_.settings().showNextBar, 1);
    click(PanelButton::StatusBarSwitch);
    EXPECT_EQ(driver_.settings().showStatusBar, 0);
    EXPECT_EQ(driver_.state().gameRunning, 1);
}

TEST_F(ControlPanelTest, StartButtonStartsAGameAndEnablesPauseAndSave) {
    startGame();
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::StartStop], 1);
    EXPECT_EQ(driver_.host().soundCount(GameStart), 1);
    click(PanelButton::Save);
    EXPECT_EQ(commands_.calls, std::vector<std::string>{"save"});
    click(PanelButton::Pause);
    EXPECT_EQ(driver_.state().notPaused, 0);
    click(PanelButton::Pause);
    EXPECT_EQ(driver_.state().notPaused, 1);
}

TEST_F(ControlPanelTest, StopAnsweredNoKeepsAPausedGamePaused) {
    startGame();
    click(PanelButton::Pause);
    ASSERT_EQ(driver_.state().notPaused, 0);
    driver_.host().yesNoAnswers.push_back(false);
    click(PanelButton::StartStop);
    ASSERT_EQ(driver_.host().questions.size(), 1u);
    EXPECT_EQ(driver_.host().questions[0], "Do you want to cancel current game?");
    EXPECT_EQ(driver_.state().gameRunning, 1);
    EXPECT_EQ(driver_.state().notPaused, 0);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::StartStop], 1);
}

TEST_F(ControlPanelTest, StopAnsweredNoKeepsARunningGameRunningWithTheClockRebased) {
    startGame();
    driver_.state().clockRunning = 1;
    driver_.host().yesNoAnswers.push_back(false);
    click(PanelButton::StartStop);
    EXPECT_EQ(driver_.state().gameRunning, 1);
    EXPECT_EQ(driver_.state().notPaused, 1);
    EXPECT_EQ(driver_.state().clockRunning, 0);
}

TEST_F(ControlPanelTest, StopAnsweredYesEndsAPausedGameAndLeavesItUnpaused) {
    startGame();
    click(PanelButton::Pause);
    driver_.host().yesNoAnswers.push_back(true);
    driver_.host().nameAnswers.push_back(std::nullopt);
    click(PanelButton::StartStop);
    EXPECT_EQ(driver_.state().gameRunning, 0);
    EXPECT_EQ(driver_.state().notPaused, 1);
    EXPECT_EQ(driver_.host().soundCount(GameOver), 1);
    EXPECT_EQ(panel_.looks().buttonState[PanelButton::StartStop], 1);
    // The settings work again, tintfall::pause and save do not.
    EXPECT_TRUE(panel_.enabled(PanelButton::Classic));
    EXPECT_FALSE(panel_.enabled(PanelButton::Pause));
}

TEST_F(ControlPanelTest, BigSizeGeometryMovesEveryHitArea) {
    panel_.setGeometry(applyLayout(1).panel);
    // Where Load is in Normal size there is nothing in Big size.
    panel_.onMouseMove(104 + 38, 91);
    EXPECT_EQ(panel_.looks().statusLine, 0);
    panel_.onLeftButtonUp(104 + 38, 91);
    EXPECT_TRUE(commands_.calls.empty());
    // Its Big position, right edge included.
    panel_.onMouseMove(112 + 38, 116 + 5);
    EXPECT_EQ(panel_.looks().statusLine, 4);
    EXPECT_EQ(commands_.cursor, Cursor::Hand);
    panel_.onLeftButtonUp(112 + 38, 116 + 5);
    EXPECT_EQ(commands_.calls, std::vector<std::string>{"load"});
}
