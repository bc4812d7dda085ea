// The creation sequence: baseFolder, the options file, the window size, the
// first-start file, the file check, the title, the back buffer.
#include "scores/DateTimeText.h"
#include "scores/UsageTime.h"
#include "settings/OptionsFile.h"
#include "tests/unit/shell/MainWindowFixture.h"

namespace tintfall {
namespace {

TEST_F(MainWindowTest, FirstStartWritesDefaultOptionsAndFirstStartFileWithoutAnyMessage) {
    MainWindow& window = createInstalled();

    EXPECT_TRUE(this->window.messages.empty());
    EXPECT_EQ(window.baseFolder(), files.base());
    GameSettings expected;
    expected.resetToDefaults(files.base());
    EXPECT_EQ(files.bytesOf("tintfall.dat"), encodeOptions(expected));
    const auto firstStart = files.bytesOf("sdata.dat");
    ASSERT_TRUE(firstStart.has_value());
    EXPECT_EQ(firstStart->size(), 1 + dateTimeText(clock.localTime()).size());
    // The scratch file is gone again.
    EXPECT_FALSE(files.exists("z"));
    // Ready, but the first frame waits for the first tick.
    window.onPaint();
    EXPECT_TRUE(this->window.presents.empty());
    window.onTick();
    EXPECT_FALSE(this->window.presents.empty());
}

TEST_F(MainWindowTest, FirstStartSizeIsChosenFromTheScreen) {
    window.screen = {800, 600};
    EXPECT_EQ(createInstalled().currentMenuState().sizeChecked, (std::array<bool, 3>{false, false, true}));
    ASSERT_EQ(window.backBuffers.size(), 1u);
    EXPECT_EQ(window.backBuffers[0].width, 483);
    EXPECT_EQ(window.backBuffers[0].height, 407);

    window.screen = {830, 620};
    EXPECT_EQ(create().layout().clientWidth, 602);
    EXPECT_EQ(window.backBuffers.back().width, 602);

    window.screen = {1024, 600};
    EXPECT_EQ(create().layout().clientWidth, 483);
}

TEST_F(MainWindowTest, StoredSizeModeWinsOverTheScreen) {
    window.screen = {640, 480};
    files.put("ws.dat", windowSizeBytes(BigSize));
    MainWindow& window = createInstalled();
    EXPECT_EQ(window.currentMenuState().sizeChecked, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(window.layout().clientWidth, 602);
    EXPECT_EQ(window.layout().clientHeight, 602);
}

TEST_F(MainWindowTest, ForeignOrUnknownSizeFileMeansAutomatic) {
    window.screen = {1280, 1024};
    std::vector<std::uint8_t> lowerCase = windowSizeBytes(NormalSize);
    lowerCase[1] = 't';
    files.put("ws.dat", lowerCase);
    EXPECT_EQ(createInstalled().currentMenuState().sizeChecked, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(main->layout().clientWidth, 602);

    // A mode the program never writes selects Automatic, with its check mark.
    files.put("ws.dat", windowSizeBytes(7));
    MainWindow& window = create();
    EXPECT_EQ(window.currentMenuState().sizeChecked, (std::array<bool, 3>{false, false, true}));
}

TEST_F(MainWindowTest, ExistingFirstStartFileIsLeftAlone) {
    files.put("sdata.dat", {3, 'o', 'l', 'd'});
    createInstalled();
    EXPECT_EQ(files.bytesOf("sdata.dat"), (std::vector<std::uint8_t>{3, 'o', 'l', 'd'}));
}

TEST_F(MainWindowTest, AnOptionsFileTooLargeToReadIsPutAsideAfterAHundredEarlierOnes) {
    for (int n = 1; n <= 100; ++n) files.put("tintfall.dat.damaged" + (n > 1 ? std::to_string(n) : ""), {1});
    files.put("tintfall.dat", {});
    std::filesystem::resize_file(files.base() + "tintfall.dat", Files::kDefaultReadLimit + 1);
    createInstalled();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(window.quitCodes.empty());
    EXPECT_EQ(std::filesystem::file_size(files.base() + "tintfall.dat.damaged101"), Files::kDefaultReadLimit + 1);
}

TEST_F(MainWindowTest, StoredOptionsAreLoaded) {
    storeOptions([](GameSettings& s) {
        s.gameMode = Rising;
        s.animateTitle = 0;
    });
    MainWindow& window = createInstalled();
    // Title animation off: the plain name.
    ASSERT_FALSE(this->window.titles.empty());
    EXPECT_EQ(this->window.titles.back(), "Tintfall");
    // A Rising game starts with its rows rising.
    window.onCommand(CMD_START_STOP);
    EXPECT_NE(window.gameState().riseCountdown, -1);
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
    AssetStore pictures(files, files.base());
    pictures.loadAll(0);
    EXPECT_EQ(window.messages[0].text, checkFiles(files, files.base(), pictures));
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
        EXPECT_EQ(main->layout().clientWidth, 483);
    };
    MainWindow& window = create();
    EXPECT_EQ(this->window.events, (std::vector<std::string>{"message", "title", "back buffer"}));
    // Ready, with the bitmaps: the first tick draws.
    window.onTick();
    EXPECT_FALSE(this->window.presents.empty());
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
    // The quit is confirmed: it is not asked again.
    const std::size_t messages = this->window.messages.size();
    window.onCommand(CMD_EXIT);
    EXPECT_EQ(this->window.messages.size(), messages);
}

TEST_F(MainWindowTest, ScratchFileFailureAnsweredNoRunsOn) {
    installProgramFiles();
    files.failWrites = [](const std::string& path) { return path == "z"; };
    window.answers = {MessageAnswer::No};
    MainWindow& window = create();
    EXPECT_TRUE(this->window.quitCodes.empty());
    EXPECT_EQ(window.gameState().notPaused, 1);
    window.onTick();
    EXPECT_FALSE(this->window.presents.empty());
}

TEST_F(MainWindowTest, OptionsThatCannotBeCreatedEndTheProgramButCreationCompletes) {
    installProgramFiles();
    files.failWrites = [](const std::string& path) { return path.find("tintfall.dat") != std::string::npos; };
    MainWindow& window = create();
    ASSERT_EQ(this->window.messages.size(), 1u);
    EXPECT_EQ(this->window.messages[0].text, "ERROR! It is impossible to create file \"tintfall.dat\"");
    EXPECT_EQ(this->window.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(this->window.quitCodes, std::vector<int>{0});
    window.onTick();
    EXPECT_FALSE(this->window.presents.empty());

    // The window goes away on the way out without reporting the options again.
    window.onDestroy();
    EXPECT_EQ(this->window.messages.size(), 1u);
}

}  // namespace
}  // namespace tintfall
