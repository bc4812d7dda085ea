#pragma once
// The Best Scores dialog: the four tables of the score book, a new result
// entered and marked, CLEAR, Game Info, UPDATE and SEND. The book lives only
// while the dialog is open; every change is saved at once.
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "platform/Files.h"
#include "scores/InternetTableOperations.h"
#include "scores/ScoreBook.h"

namespace tintfall {

inline constexpr const char* kTablesSaveError = "ERROR! It is impossible to update tables";
inline constexpr const char* kClearTableQuestion = "Are you sure you want to clear current table?";

class BestScoresDialog {
public:
    // Columns of one row of the grid, as offsets from the row's first id.
    enum Column { NumberColumn = 0, NameColumn, ScoresColumn, LevelColumn, BlocksColumn, InfoColumn };
    // The id of a grid control of place 1..10.
    static int rowControlId(int place, Column column);
    static const char* tableTitle(ScoreTableId table);

    BestScoresDialog(Files& files, Clock& clock, InternetTableOperations& internet, std::string baseFolder,
                     std::string uploadKey, ScoreTableId table);
    // Opens with a finished game's result to enter, on the table of its mode.
    void setPendingResult(const ScoreEntry& result);

    // Loads the book, enters a pending result and shows the table; closes
    // the dialog when the book can be neither read nor written.
    void onInit(DialogControls& controls);
    void onCommand(DialogControls& controls, int id);

    std::string baseFolder;
    std::string uploadKey;
    ScoreTableId currentTable;
    ScoreBook book;
    bool pending = false;
    ScoreEntry pendingEntry;
    std::optional<int> markedRow;

private:
    void refresh(DialogControls& controls);
    void showTableButton(DialogControls& controls);
    // Saves the book; on failure reports it and closes the dialog.
    bool saveOrClose(DialogControls& controls);
    void clear(DialogControls& controls);
    void update(DialogControls& controls);
    void showInfo(DialogControls& controls, int place);

    Files& files_;
    Clock& clock_;
    InternetTableOperations& internet_;
};

}  // namespace tintfall
