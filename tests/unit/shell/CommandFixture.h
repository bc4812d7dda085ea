#pragma once
// A main window with no system behind it, its dialog commands and a dialog
// runner whose dialogs the test scripts: what the player does in the sheet,
// which file is chosen, what name is typed.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/InternetTransfers.h"
#include "tests/support/FakeControls.h"
#include "platform/headless/ScriptedInternetDialogs.h"
#include "platform/headless/TestFtpClient.h"
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
#include "shell/ModalDialogCommands.h"
#include "tests/support/MemoryFiles.h"

namespace tintfall {

// What the game looked like while a dialog was open.
struct ModalSnapshot {
    std::int32_t notPaused;
    std::int32_t clockRunning;
};

class ScriptedRunner : public DialogRunner {
public:
    explicit ScriptedRunner(MainWindow& window) : window_(window) {}

    // The player's actions in the open sheet; the result is OK (true) or Cancel.
    std::function<bool(CGameOpt&, CIntOpt&, CConOpt&, CSndOpt&)> optionsSheet;
    std::deque<std::optional<std::string>> chosenFiles;
    std::vector<FileDialogSpec> fileDialogs;
    // The text typed into the name prompt, or nothing to cancel it.
    std::optional<std::string> typedName;
    int namePrompts = 0;
    std::optional<std::string> proposedName;
    // The Best Scores dialog as it was shown.
    FakeControls bestScores;
    int bestScoresShown = 0;
    std::optional<ScoreTableId> bestScoresTable;
    std::vector<ModalSnapshot> snapshots;

    bool runOptionsSheet(CGameOpt& game, CIntOpt& interfacePage, CConOpt& control, CSndOpt& sound) override {
        snapshot();
        return optionsSheet ? optionsSheet(game, interfacePage, control, sound) : false;
    }
    std::optional<std::string> chooseSaveFile(const FileDialogSpec& spec) override { return choose(spec); }
    std::optional<std::string> chooseOpenFile(const FileDialogSpec& spec) override { return choose(spec); }
    void runNamePrompt(NamePrompt& prompt) override {
        snapshot();
        ++namePrompts;
        FakeControls controls;
        prompt.onInit(controls);
        proposedName = controls.text(IDC_PLAYER_NAME);
        if (typedName) controls.type(IDC_PLAYER_NAME, *typedName);
        prompt.onCommand(controls, typedName ? kDialogOk : kDialogCancel);
    }
    void runBestScores(BestScoresDialog& dialog) override {
        snapshot();
        ++bestScoresShown;
        bestScoresTable = dialog.currentTable;
        bestScores = FakeControls();
        dialog.onInit(bestScores);
        if (bestScores.endResult() == 0) dialog.onCommand(bestScores, kDialogOk);
    }

private:
    std::optional<std::string> choose(const FileDialogSpec& spec) {
        snapshot();
        fileDialogs.push_back(spec);
        if (chosenFiles.empty()) return std::nullopt;
        auto path = chosenFiles.front();
        chosenFiles.pop_front();
        return path;
    }
    void snapshot() { snapshots.push_back({window_.state.notPaused, window_.state.clockRunning}); }

    MainWindow& window_;
};

struct CommandFixture : ::testing::Test {
    static constexpr const char* kFolder = "C:\\Games\\";

    MemoryFiles files;
    ManualClock clock;
    RecordingSound sound;
    FakeWindow services;
    MainWindow window{files, clock, sound, services};
    ScriptedRunner runner{window};
    TestFtpClient ftp{files};
    ScriptedInternetDialogs internetDialogs;
    InternetTransfers internet{files, clock, ftp, internetDialogs};
    ModalDialogCommands commands{runner, internet};

    CommandFixture() {
        window.baseFolder = kFolder;
        window.settings.resetToDefaults(kFolder);
        window.dialogCommands = &commands;
    }
    std::string path(const std::string& name) const { return std::string(kFolder) + name; }
};

}  // namespace tintfall
