#include "settings/OptionsFile.h"
#include "shell/TitleAnimation.h"
#include "resources/resource_ids.h"
#include "tests/unit/shell/CommandFixture.h"

namespace tintfall {
namespace {

struct OptionsCommand : CommandFixture {
    std::string optionsPath() const { return path("tintfall.dat"); }
    // Runs one page the way the sheet does: shown, the player's action, OK.
    template <typename Page>
    static bool onPage(Page& page, const std::function<void(Page&, FakeControls&)>& act) {
        FakeControls controls;
        page.onInit(controls);
        act(page, controls);
        return page.onOk(controls);
    }
    static void click(OptionsPage& page, FakeControls& controls, int id) {
        controls.tick(id, true);
        FakeServices none;
        page.onControl(controls, none, id, ControlEvent::Clicked);
    }
    struct FakeServices : OptionsPageServices {
        std::optional<std::int32_t> chooseColour(std::int32_t) override { return std::nullopt; }
        std::optional<std::string> chooseSoundFile() override { return std::nullopt; }
        std::optional<int> captureKey() override { return std::nullopt; }
        void playSound(const std::string&) override {}
    };
    int bitmapReads() const {
        int reads = 0;
        for (const auto& read : files.readPaths)
            if (read.find("graph\\") != std::string::npos) ++reads;
        return reads;
    }
};

TEST_F(OptionsCommand, CancelKeepsTheSettingsAndStillWritesTheFile) {
    storeOptions([](GameSettings& s) { s.demolitionDelay = 77; });
    const GameSettings before = storedOptions();
    start();
    files.writeCount = 0;
    runner.optionsSheet = [](CGameOpt& game, CIntOpt&, CConOpt&, CSndOpt&) {
        FakeControls controls;
        game.onInit(controls);
        click(game, controls, IDC_MODE_RISING);
        return false;
    };
    window.onCommand(CMD_OPTIONS);
    EXPECT_EQ(files.writeCount, 1);
    EXPECT_EQ(files.contents[optionsPath()], encodeOptions(before));
}

TEST_F(OptionsCommand, TheGameStandsStillWhileTheSheetIsOpen) {
    start();
    startGame();
    window.onTick();
    const GameState& state = window.gameState();
    ASSERT_EQ(state.clockRunning, 1);
    window.onCommand(CMD_OPTIONS);
    ASSERT_EQ(runner.snapshots.size(), 1u);
    EXPECT_EQ(runner.snapshots[0].notPaused, 0);
    EXPECT_EQ(runner.snapshots[0].clockRunning, 0);
    EXPECT_EQ(state.notPaused, 1);
    EXPECT_EQ(state.clockRunning, 0);  // re-based at the next tick

    window.onCommand(CMD_PAUSE);  // a paused game stays paused
    window.onCommand(CMD_OPTIONS);
    EXPECT_EQ(state.notPaused, 0);
}

TEST_F(OptionsCommand, PagesReceiveCopiesOfTheSettings) {
    storeOptions([](GameSettings& s) {
        s.keyCode[PauseGame] = 80;
        s.keyDelay[Rotate] = 321;
        s.soundFile[5] = "X:\\drop4.wav";
        s.fieldBackground = FantasyField;
        s.startLevelIndex = 12;
    });
    start();
    startGame();
    bool checked = false;
    runner.optionsSheet = [&](CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) {
        EXPECT_EQ(game.gameRunning, 1);
        EXPECT_EQ(game.startLevelIndex, 12);
        EXPECT_EQ(interfacePage.fieldBackground, FantasyField);
        EXPECT_EQ(control.keyCode[PauseGame], 80);
        EXPECT_EQ(control.keyDelay[Rotate], 321);
        EXPECT_EQ(sound.soundFile[5], "X:\\drop4.wav");
        EXPECT_EQ(sound.baseFolder, kFolder);
        checked = true;
        return false;
    };
    window.onCommand(CMD_OPTIONS);
    EXPECT_TRUE(checked);
}

TEST_F(OptionsCommand, OkWithTimerModeReachesTheFile) {
    runner.optionsSheet = [](CGameOpt& game, CIntOpt&, CConOpt&, CSndOpt&) {
        return onPage<CGameOpt>(game, [](CGameOpt& page, FakeControls& controls) { click(page, controls, IDC_MODE_TIMER); });
    };
    start();
    window.onCommand(CMD_OPTIONS);
    EXPECT_EQ(storedOptions().gameMode, Timer);
    const auto& bytes = files.contents[optionsPath()];
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes[26], 1);
    EXPECT_EQ(bytes[27], 0);
}

TEST_F(OptionsCommand, OkKeepsStoredRulesTheButtonsCannotShow) {
    storeOptions([](GameSettings& s) {
        s.gameMode = 5;
        s.colourCount = 7;
        s.blockCountCode = -3;
        s.startLevelIndex = 25;
    });
    const GameSettings before = storedOptions();
    start();
    runner.optionsSheet = [](CGameOpt& game, CIntOpt&, CConOpt&, CSndOpt&) {
        return onPage<CGameOpt>(game, [](CGameOpt&, FakeControls&) {});
    };
    for (const std::int32_t running : {0, 1}) {
        if (running) startGame();
        ASSERT_EQ(window.gameState().gameRunning, running);
        window.onCommand(CMD_OPTIONS);
        EXPECT_EQ(files.contents[optionsPath()], encodeOptions(before)) << running;
    }
}

TEST_F(OptionsCommand, OkCopiesBackEveryPage) {
    runner.optionsSheet = [](CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) {
        game.levelAnimationDelay = 99;  // as the page's OK handler would leave it
        interfacePage.fieldBackground = UserColour;
        interfacePage.userColour = 0x123456;
        interfacePage.showNextBar = 0;
        interfacePage.showStatusBar = 0;
        control.keyCode[MoveLeft] = 65;
        control.keyDelay[DropBottom] = 0;
        sound.soundOn = 0;
        sound.soundEventOn[BestScore] = 0;
        sound.soundFile[15] = "Y:\\best.wav";
        return true;
    };
    start();
    window.onCommand(CMD_OPTIONS);
    const GameSettings s = storedOptions();
    EXPECT_EQ(s.levelAnimationDelay, 99);
    EXPECT_EQ(s.fieldBackground, UserColour);
    EXPECT_EQ(s.userColour, 0x123456);
    EXPECT_EQ(s.showNextBar, 0);
    EXPECT_EQ(s.showStatusBar, 0);
    EXPECT_EQ(s.keyCode[MoveLeft], 65);
    EXPECT_EQ(s.keyDelay[DropBottom], 0);
    EXPECT_EQ(s.soundOn, 0);
    EXPECT_EQ(s.soundEventOn[BestScore], 0);
    EXPECT_EQ(s.soundFile[15], "Y:\\best.wav");
}

TEST_F(OptionsCommand, OnlyAnotherBlockSetReloadsBitmaps) {
    storeOptions([](GameSettings& s) { s.blockSet = 3; });
    start();
    runner.optionsSheet = [](CGameOpt&, CIntOpt& interfacePage, CConOpt&, CSndOpt&) {
        return onPage<CIntOpt>(interfacePage,
                               [](CIntOpt& page, FakeControls& controls) { click(page, controls, IDC_BLOCK_SET_FIRST + 3); });
    };
    window.onCommand(CMD_OPTIONS);
    EXPECT_EQ(bitmapReads(), 0);

    runner.optionsSheet = [](CGameOpt&, CIntOpt& interfacePage, CConOpt&, CSndOpt&) {
        return onPage<CIntOpt>(interfacePage,
                               [](CIntOpt& page, FakeControls& controls) { click(page, controls, IDC_BLOCK_SET_FIRST + 7); });
    };
    window.onCommand(CMD_OPTIONS);
    EXPECT_EQ(storedOptions().blockSet, 7);
    for (const char* name : {"graph\\items7.bmp", "graph\\items7b.bmp", "graph\\ianim7.bmp", "graph\\ianim7b.bmp"}) {
        bool read = false;
        for (const auto& p : files.readPaths) read = read || p == path(name);
        EXPECT_TRUE(read) << name;
    }
}

TEST_F(OptionsCommand, TitleAnimationFollowsOnlyAChangedSwitch) {
    start();
    auto setAnimate = [this](std::int32_t on) {
        runner.optionsSheet = [on](CGameOpt&, CIntOpt& interfacePage, CConOpt&, CSndOpt&) {
            interfacePage.animateTitle = on;
            return true;
        };
        window.onCommand(CMD_OPTIONS);
    };
    setAnimate(1);
    EXPECT_TRUE(services.titles.empty());
    setAnimate(0);
    EXPECT_EQ(services.titles, std::vector<std::string>{"Tintfall"});
    EXPECT_EQ(storedOptions().animateTitle, 0);
    services.titles.clear();
    clock.advance(5000);
    setAnimate(1);
    ASSERT_EQ(services.titles.size(), 1u);
    EXPECT_EQ(services.titles[0], titleFrames()[0].text);
    // The animation runs on from there.
    clock.advance(50);
    window.onTick();
    EXPECT_EQ(services.titles.size(), 1u);
    clock.advance(60);
    window.onTick();
    ASSERT_EQ(services.titles.size(), 2u);
    EXPECT_EQ(services.titles[1], titleFrames()[1].text);
}

TEST_F(OptionsCommand, UnwritableOptionsFileIsReportedThenTheQuitQuestionFollows) {
    start();
    files.unwritable.insert(optionsPath());
    services.answers = {MessageAnswer::No};
    window.onCommand(CMD_OPTIONS);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, "ERROR! It is impossible to save file \"tintfall.dat\"");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(services.messages[1].text, "Are you sure you want to quit?");
    EXPECT_TRUE(services.quitCodes.empty());

    // Yes: the quit writes the options again; its failure is reported once
    // and does not ask again.
    services.messages.clear();
    services.answers = {MessageAnswer::Yes};
    window.onCommand(CMD_EXIT);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].text, "ERROR! It is impossible to save file \"tintfall.dat\"");
    EXPECT_EQ(services.quitCodes, std::vector<int>{0});
}

}  // namespace
}  // namespace tintfall
