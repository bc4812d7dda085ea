#include "shell/WatchReplayDialog.h"

#include "resources/dialog_ids.h"
#include "scores/ScoreBook.h"
#include "scores/RowReplays.h"

namespace tintfall {

namespace {
const char* const kLocalTableNames[kLocalTableCount] = {"Classic", "Timer", "Rising"};
}  // namespace

WatchReplayDialog::WatchReplayDialog(Files& files, const std::string& folder) {
    const std::vector<ScoreEntry> rows = localTableRows(files, folder);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScoreEntry& row = rows[i];
        if (!hasRowReplay(files, folder, row)) continue;
        rows_.push_back(row);
        lines_.push_back(std::string(kLocalTableNames[i / kScoreRows]) + " " + std::to_string(i % kScoreRows + 1) +
                         ". " + row.name + " - " + std::to_string(row.score) + ", level " +
                         std::to_string(row.level) + ", " + row.finishedText);
    }
}

void WatchReplayDialog::onInit(DialogControls& controls) {
    for (const std::string& line : lines_) controls.addListItem(IDC_REPLAY_LIST, line);
    if (!lines_.empty()) controls.selectListItem(IDC_REPLAY_LIST, 0);
}

void WatchReplayDialog::onCommand(DialogControls& controls, int id) {
    if (id == kDialogOk) {
        const int selected = controls.listSelection(IDC_REPLAY_LIST);
        if (selected < 0 || selected >= static_cast<int>(rows_.size())) return;
        chosen_ = rows_[static_cast<std::size_t>(selected)];
        controls.endDialog(kDialogOk);
    } else if (id == kDialogCancel) {
        chosen_.reset();
        controls.endDialog(kDialogCancel);
    }
}

}  // namespace tintfall
