#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "net/InternetTransfers.h"
#include "platform/headless/ManualClock.h"
#include "resources/resource_ids.h"
#include "tests/support/RecordingSound.h"
#include "settings/OptionsFile.h"
#include "shell/FileCheck.h"
#include "shell/MainWindow.h"
#include "tests/support/CountingRandom.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedInternetDialogs.h"
#include "tests/support/TestFtpClient.h"
#include "tests/unit/shell/BitmapShape.h"
#include "tests/unit/shell/ShellFakes.h"

namespace tintfall {

class MainWindowTest : public ::testing::Test {
protected:
    // Every file the start-up check looks for, so no warning comes up.
    void installProgramFiles() {
        for (const std::string& name : checkedFileNames()) {
            std::string host = name;
            for (char& c : host) {
                if (c == '\\') c = '/';
            }
            std::filesystem::create_directories(std::filesystem::path(files.folder + "/" + host).parent_path());
            const bool picture = name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0;
            files.put(name, picture ? makeBitmap({1, 1, 24, 0, 0}) : std::vector<std::uint8_t>{0});
        }
    }

    MainWindow& create() {
        main = std::make_unique<MainWindow>(files, clock, sound, window, dialogs, internet, random);
        main->onCreate();
        return *main;
    }

    MainWindow& createInstalled() {
        installProgramFiles();
        return create();
    }

    // An options file as an earlier run left it.
    void storeOptions(const std::function<void(GameSettings&)>& change) {
        GameSettings stored;
        stored.resetToDefaults(files.base());
        change(stored);
        files.put("tintfall.dat", encodeOptions(stored));
    }

    // Frames that reached the window so far.
    std::size_t presented() const { return window.presents.size(); }

    FolderFiles files;
    ManualClock clock;
    RecordingSound sound;
    FakeWindow window;
    ScriptedDialogs dialogs;
    TestFtpClient ftp{files};
    ScriptedInternetDialogs internetDialogs;
    InternetTransfers internet{files, clock, ftp, internetDialogs};
    CountingRandom random;
    std::unique_ptr<MainWindow> main;
};

inline std::vector<std::uint8_t> windowSizeBytes(std::int32_t mode) {
    std::vector<std::uint8_t> bytes{24};
    for (char c : std::string("TINTFALL_WINDOWSIZE_FILE")) bytes.push_back(static_cast<std::uint8_t>(c));
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(mode) >> (8 * i)) & 0xFF));
    return bytes;
}

}  // namespace tintfall
