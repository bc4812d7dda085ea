#pragma once
// The commands that open the program's own dialogs: Options, Save As, Load,
// Best Scores and the recording of a finished game's result. Each wraps its
// dialog so the game stands still while it is open.
#include <optional>
#include <string>
#include <utility>

#include "platform/FileDialogSpec.h"
#include "scores/InternetTableOperations.h"
#include "scores/ScoreBook.h"
#include "shell/DialogCommands.h"
#include "shell/DialogRunner.h"

namespace tintfall {

inline constexpr const char* kCancelGameQuestion = "Attention! Do you want to cancel current game?";

FileDialogSpec saveGameDialogSpec();
FileDialogSpec loadGameDialogSpec();

class ModalDialogCommands : public DialogCommands {
public:
    ModalDialogCommands(DialogRunner& runner, InternetTableOperations& internet, std::string uploadKey = {})
        : runner_(runner), internet_(internet), uploadKey_(std::move(uploadKey)) {}

    void showOptions(MainWindow& window) override;
    void saveGameAs(MainWindow& window) override;
    void loadGame(MainWindow& window) override;
    void showBestScores(MainWindow& window, BestScoresStart start) override;
    void recordResult(MainWindow& window, const GameResult& result) override;

    // The installation's upload key, handed on to SEND.
    void setUploadKey(std::string key) { uploadKey_ = std::move(key); }

    // The name prompt over baseFolder's "lastname.dat"; nothing on Cancel.
    std::optional<std::string> askPlayerName(MainWindow& window);

private:
    void runBestScores(MainWindow& window, ScoreTableId table, const std::optional<ScoreEntry>& pendingResult);

    DialogRunner& runner_;
    InternetTableOperations& internet_;
    std::string uploadKey_;
};

}  // namespace tintfall
