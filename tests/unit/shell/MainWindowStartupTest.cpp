// The creation sequence: baseFolder, the options file, the window size, the
// first-start file, the file check, the title, the back buffer.
#include "scores/UsageTime.h"
#include "settings/OptionsFile.h"
#include "tests/unit/shell/MainWindowFixture.h"

namespace tintfall {
namespace {

TEST_F(MainWindowTest, FirstStartWritesDefaultOptionsAndFirstStartFileWithoutAnyMessage) {
    MainWindow& window = createInstalled();

    EXPECT_TRUE(this->window.messages.empty());
    EXPECT_EQ(window.baseFolder, files.base());
    GameSettings expected;
    expected.resetToDefaults(files.base());
    EXPECT_EQ(files.bytesOf("tintfall.dat"), encodeOptions(expected));
    const auto firstStart = files.bytesOf("sdata.dat");
    ASSERT_TRUE(firstStart.has_value());
    EXPECT_EQ(firstStart->size(), 1 + window.dateTimeText().size());
    // The scratch file is gone again.
    EXPECT_FALSE(files.exists("z"));
    EXPECT_TRUE(window.view.windowReady);
    EXPECT_FALSE(window.view.paintingEnabled);
    EXPECT_EQ(window.settings.soundFile[0], files.base() + "snd\\button.wav");
}

TEST_F(MainWindowTest, FirstStartSizeIsChosenFromTheScreen) {
    window.screen = {800, 600};
    EXPECT_EQ(createInstalled().view.effectiveSize, 0);
    EXPECT_EQ(main->windowSizeMode, AutomaticSize);
    ASSERT_EQ(window.backBuffers.size(), 1u);
    EXPECT_EQ(window.backBuffers[0].width, 483);
    EXPECT_EQ(window.backBuffers[0].height, 407);

    window.screen = {830, 620};
    EXPECT_EQ(create().view.effectiveSize, 1);
    EXPECT_EQ(window.backBuffers.back().width, 602);

    window.screen = {1024, 600};
    EXPECT_EQ(create().view.effectiveSize, 0);
}

TEST_F(MainWindowTest, StoredSizeModeWinsOverTheScreen) {
    window.screen = {640, 480};
    files.put("ws.dat", windowSizeBytes(BigSize));
    MainWindow& window = createInstalled();
    EXPECT_EQ(window.windowSizeMode, BigSize);
    EXPECT_EQ(window.view.effectiveSize, 1);
    EXPECT_EQ(window.view.layout.clientWidth, 602);
    EXPECT_EQ(window.view.layout.clientHeight, 602);
}

TEST_F(MainWindowTest, ForeignOrUnknownSizeFileMeansAutomatic) {
    window.screen = {1280, 1024};
    std::vector<std::uint8_t> lowerCase = windowSizeBytes(NormalSize);
    lowerCase[1] = 't';
    files.put("ws.dat", lowerCase);
    EXPECT_EQ(createInstalled().windowSizeMode, AutomaticSize);
    EXPECT_EQ(main->view.effectiveSize, 1);

    // A mode the program never writes selects Automatic, with its check mark.
    files.put("ws.dat", windowSizeBytes(7));
    MainWindow& window = create();
    EXPECT_EQ(window.windowSizeMode, AutomaticSize);
    EXPECT_EQ(window.currentMenuState().sizeChecked, (std::array<bool, 3>{false, false, true}));
}

TEST_F(MainWindowTest, ExistingFirstStartFileIsLeftAlone) {
    files.put("sdata.dat", {3, 'o', 'l', 'd'});
    createInstalled();
    EXPECT_EQ(files.bytesOf("sdata.dat"), (std::vector<std::uint8_t>{3, 'o', 'l', 'd'}));
}

TEST_F(MainWindowTest, StoredOptionsAreLoaded) {
    GameSettings stored;
    stored.resetToDefaults(files.base());
    stored.gameMode = Rising;
    stored.animateTitle = 0;
    files.put("tintfall.dat", encodeOptions(stored));
    MainWindow& window = createInstalled();
    EXPECT_EQ(window.settings.gameMode, Rising);
    // Title animation off: the plain name.
    ASSERT_FALSE(this->window.titles.empty());
    EXPECT_EQ(this->window.titles.back(), "Tintfall");
}

TEST_F(MainWindowTest, AnimatedTitleStartsAtItsFirstFrame) {
    createInstalled();
    ASSERT_EQ(window.titles.size(), 1u);
    EXPECT_EQ(window.titles[0].size(), 48u);
    EXPECT_EQ(window.titles[0].substr(0, 6), "     T");
}

TEST_F(MainWindowTest, MissingFilesBringOneWarning) {
    create();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, checkFiles(files, files.base()));
    EXPECT_EQ(window.messages[0].title, "Tintfall");
    EXPECT_EQ(window.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(window.quitCodes.empty());
}

TEST_F(MainWindowTest, StartUpStepsComeInTheirOrder) {
    // The options file, the window size and the first-start date before the
    // file check; the check's warning before the title; the title before the
    // back buffer; the bitmaps after it; ready last.
    files.put("ws.dat", windowSizeBytes(NormalSize));
    window.onMessage = [&] {
        EXPECT_TRUE(files.bytesOf("tintfall.dat").has_value());
        EXPECT_TRUE(files.bytesOf("sdata.dat").has_value());
        EXPECT_EQ(main->view.layout.clientWidth, 483);
        EXPECT_FALSE(main->view.windowReady);
    };
    MainWindow& window = create();
    EXPECT_EQ(this->window.events, (std::vector<std::string>{"message", "title", "back buffer"}));
    ASSERT_TRUE(window.assets);
    EXPECT_TRUE(window.view.windowReady);
}

TEST_F(MainWindowTest, ScratchFileFailureReportsAndAsksToQuit) {
    installProgramFiles();
    files.failWrites = [](const std::string& path) { return path == "z"; };
    window.answers = {MessageAnswer::Yes};
    MainWindow& window = create();
    ASSERT_GE(this->window.messages.size(), 2u);
    EXPECT_EQ(this->window.messages[0].text, "ERROR! It is impossible to create file. Hard disk is full or damaged");
    EXPECT_EQ(this->window.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(this->window.messages[1].text, "Are you sure you want to quit?");
    EXPECT_EQ(this->window.quitCodes, std::vector<int>{0});
    EXPECT_TRUE(window.quitConfirmed());
}

TEST_F(MainWindowTest, ScratchFileFailureAnsweredNoRunsOn) {
    installProgramFiles();
    files.failWrites = [](const std::string& path) { return path == "z"; };
    window.answers = {MessageAnswer::No};
    MainWindow& window = create();
    EXPECT_TRUE(this->window.quitCodes.empty());
    EXPECT_TRUE(window.view.windowReady);
    EXPECT_EQ(window.state.notPaused, 1);
}

TEST_F(MainWindowTest, OptionsThatCannotBeCreatedEndTheProgramButCreationCompletes) {
    installProgramFiles();
    files.failWrites = [](const std::string& path) { return path.find("tintfall.dat") != std::string::npos; };
    MainWindow& window = create();
    ASSERT_EQ(this->window.messages.size(), 1u);
    EXPECT_EQ(this->window.messages[0].text, "ERROR! It is impossible to create file \"tintfall.dat\"");
    EXPECT_EQ(this->window.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(this->window.quitCodes, std::vector<int>{0});
    EXPECT_TRUE(window.view.windowReady);

    // The window goes away on the way out without reporting the options again.
    window.onDestroy();
    EXPECT_EQ(this->window.messages.size(), 1u);
}

}  // namespace
}  // namespace tintfall
