#pragma once
// The Watch Replay dialog: the rows of the three local tables that have a
// replay, one line each, in a drop-down list; OK chooses the selected one.
#include <optional>
#include <string>
#include <vector>

#include "platform/DialogControls.h"
#include "platform/Files.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

class WatchReplayDialog {
public:
    // Reads the tables and looks for the replays now.
    WatchReplayDialog(Files& files, const std::string& folder);

    void onInit(DialogControls& controls);
    void onCommand(DialogControls& controls, int id);

    const std::vector<std::string>& lines() const { return lines_; }
    bool empty() const { return rows_.empty(); }
    // The row chosen with OK.
    const std::optional<ScoreEntry>& chosen() const { return chosen_; }

private:
    std::vector<ScoreEntry> rows_;
    std::vector<std::string> lines_;
    std::optional<ScoreEntry> chosen_;
};

}  // namespace tintfall
