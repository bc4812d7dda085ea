#pragma once
// A main window with no system behind it and its dialog commands, whose
// dialogs the test scripts: what the player does in the sheet, which file is
// chosen, what name is typed.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/InternetTransfers.h"
#include "tests/support/FakeControls.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"
#include "platform/headless/ManualClock.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/RecordingSound.h"
#include "resources/dialog_ids.h"
#include "scores/BestScoresDialog.h"
#include "scores/NamePrompt.h"
#include "settings/CConOpt.h"
#include "settings/CGameOpt.h"
#include "settings/CIntOpt.h"
#include "settings/CSndOpt.h"
#include "shell/MainWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/MemoryFiles.h"

namespace tintfall {

struct CommandFixture : ::testing::Test {
    static constexpr const char* kFolder = "C:\\Games\\";

    MemoryFiles files;
    ManualClock clock;
    RecordingSound sound;
    FakeWindow services;
    MainWindow window{files, clock, sound, services};
    ScriptedDialogs runner;
    TestFtpClient ftp{files};
    ScriptedInternetDialogs internetDialogs;
    InternetTransfers internet{files, clock, ftp, internetDialogs};

    CommandFixture() {
        window.baseFolder = kFolder;
        window.settings.resetToDefaults(kFolder);
        window.attachDialogs(runner, internet);
        runner.watched = &window.state;
    }
    std::string path(const std::string& name) const { return std::string(kFolder) + name; }
};

}  // namespace tintfall
