#pragma once
// The dialog commands with their dialogs played from a script: what the
// player does in the sheet, which file is chosen, what name is typed.
// CommandFixture runs them from a main window with no system behind it;
// GameCommandFixture builds them over a game without a window, whose state
// a test may set as a saved game or a long play would leave it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "net/InternetTransfers.h"
#include "platform/headless/ManualClock.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "scores/BestScoresDialog.h"
#include "settings/CConOpt.h"
#include "settings/CGameOpt.h"
#include "settings/CIntOpt.h"
#include "settings/CSndOpt.h"
#include "settings/OptionsFile.h"
#include "shell/BestScoresCommand.h"
#include "shell/MainWindow.h"
#include "shell/SaveLoadCommands.h"
#include "tests/support/CountingRandom.h"
#include "tests/support/FakeControls.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/GameDriver.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"

namespace tintfall {

inline constexpr const char* kCommandFolder = "C:\\Games\\";

struct CommandFixture : ::testing::Test {
    static constexpr const char* kFolder = kCommandFolder;

    MemoryFiles files;
    ManualClock clock;
    RecordingSound sound;
    FakeWindow services;
    ScriptedDialogs runner;
    TestFtpClient ftp{files};
    ScriptedInternetDialogs internetDialogs;
    InternetTransfers internet{files, clock, ftp, internetDialogs};
    CountingRandom random;
    MainWindow window{files, clock, sound, services, runner, internet, random};

    CommandFixture() { runner.watched = &window.gameState(); }
    // The window's creation over the files as they are; what it showed and
    // read on the way (the warning about the program's missing files, the
    // title, the bitmaps) is forgotten.
    void start() {
        window.onCreate();
        services.messages.clear();
        services.titles.clear();
        files.readPaths.clear();
    }
    // An options file as an earlier run left it.
    void storeOptions(const std::function<void(GameSettings&)>& change) {
        GameSettings stored;
        stored.resetToDefaults(kFolder);
        change(stored);
        files.contents[path(kOptionsFileName)] = encodeOptions(stored);
    }
    GameSettings storedOptions() {
        GameSettings stored;
        EXPECT_TRUE(readOptions(files, kFolder, stored));
        return stored;
    }
    void startGame() {
        window.onTick();
        window.onCommand(CMD_START_STOP);
    }
    std::string path(const std::string& name) const { return std::string(kFolder) + name; }
};

struct GameCommandFixture : ::testing::Test {
    static constexpr const char* kFolder = kCommandFolder;

    GameDriver driver;
    MemoryFiles& files = *driver.memoryFiles();
    ManualClock& clock = driver.clock();
    GameState& state = driver.state();
    GameSettings& settings = driver.settings();
    ScriptedHost& runner = driver.host();
    FakeWindow services;
    TestFtpClient ftp{files};
    ScriptedInternetDialogs internetDialogs;
    InternetTransfers internet{files, clock, ftp, internetDialogs};
    SaveLoadCommands saveLoad{runner, files, driver.game(), services};
    BestScoresCommand bestScores{runner, files, clock, driver.baseFolder(), internet, std::string(), driver.game()};

    GameCommandFixture() { runner.watched = &state; }
    std::string path(const std::string& name) const { return std::string(kFolder) + name; }
};

}  // namespace tintfall
