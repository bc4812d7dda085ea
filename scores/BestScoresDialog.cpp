#include "scores/BestScoresDialog.h"

#include <utility>

#include "resources/dialog_ids.h"
#include "scores/DateTimeText.h"
#include "scores/GameInfo.h"

namespace tintfall {

namespace {

// The N control of each place; the other five columns follow it.
constexpr int kRowFirstIds[kScoreRows] = {1015, 1026, 1032, 1038, 1044, 1056, 1062, 1068, 1074, 1080};
constexpr int kTableButtons[kScoreTableCount] = {IDC_TABLE_CLASSIC, IDC_TABLE_TIMER, IDC_TABLE_RISING,
                                                 IDC_TABLE_INTERNET};

}  // namespace

int BestScoresDialog::rowControlId(int place, Column column) { return kRowFirstIds[place - 1] + column; }

const char* BestScoresDialog::tableTitle(ScoreTableId table) {
    switch (table) {
        case ClassicTable: return "Local Best Scores - Classic mode";
        case TimerTable: return "Local Best Scores - Timer mode";
        case RisingTable: return "Local Best Scores - Rising mode";
        case InternetTable: return "Internet Best Scores - Top 10";
    }
    return "Best Scores";
}

BestScoresDialog::BestScoresDialog(Files& files, Clock& clock, InternetTableOperations& internet, std::string baseFolder,
                                   std::string uploadKey, ScoreTableId table)
    : baseFolder(std::move(baseFolder)),
      uploadKey(std::move(uploadKey)),
      currentTable(table),
      files_(files),
      clock_(clock),
      internet_(internet) {}

void BestScoresDialog::setPendingResult(const ScoreEntry& result) {
    pending = true;
    pendingEntry = result;
}

void BestScoresDialog::onInit(DialogControls& controls) {
    book.reset();
    if (!book.loadOrStartEmpty(files_, baseFolder)) {
        if (pending) controls.showError(kTablesSaveError);
        controls.endDialog(kDialogCancel);
        return;
    }
    showTableButton(controls);
    markedRow.reset();
    if (pending) {
        markedRow = book.insertEntry(static_cast<ScoreTableId>(currentTable), pendingEntry,
                                     dateTimeText(clock_.localTime()));
        if (!saveOrClose(controls)) return;
    }
    refresh(controls);
}

void BestScoresDialog::showTableButton(DialogControls& controls) {
    for (int table = 0; table < kScoreTableCount; ++table) controls.setChecked(kTableButtons[table], table == currentTable);
}

void BestScoresDialog::refresh(DialogControls& controls) {
    const ScoreTable& table = book.tables[currentTable];
    const bool showMark = pending && markedRow && pendingEntry.gameMode == currentTable;
    for (int place = 1; place <= kScoreRows; ++place) {
        const ScoreEntry& row = table.rows[place - 1];
        std::string number = std::to_string(place);
        if (showMark && *markedRow == place - 1) number = ">" + number + "<";
        controls.setText(rowControlId(place, NumberColumn), number);
        std::string name = row.name;
        if (currentTable == InternetTable && row.hasInfo != 0) name += " (" + row.country + ")";
        controls.setText(rowControlId(place, NameColumn), name);
        controls.setText(rowControlId(place, ScoresColumn), std::to_string(row.score));
        controls.setText(rowControlId(place, LevelColumn), std::to_string(row.level));
        controls.setText(rowControlId(place, BlocksColumn), std::to_string(row.blocksRemoved));
        controls.setEnabled(rowControlId(place, InfoColumn), row.hasInfo != 0);
    }
    controls.setText(IDC_LAST_UPDATE, "Last update: " + table.lastUpdateText);
    controls.setWindowTitle(tableTitle(currentTable));
}

bool BestScoresDialog::saveOrClose(DialogControls& controls) {
    if (book.save(files_, baseFolder)) return true;
    controls.showError(kTablesSaveError);
    controls.endDialog(kDialogCancel);
    return false;
}

void BestScoresDialog::clear(DialogControls& controls) {
    if (!controls.askYesNo(kClearTableQuestion)) return;
    book.clearTable(currentTable);
    if (pending && pendingEntry.gameMode == currentTable) pending = false;
    if (!saveOrClose(controls)) return;
    refresh(controls);
}

void BestScoresDialog::update(DialogControls& controls) {
    const auto download = internet_.downloadTop10(baseFolder);
    if (!download) return;
    book.setInternetTable(download->rows, download->lastUpdateText);
    if (!saveOrClose(controls)) return;
    refresh(controls);
}

void BestScoresDialog::showInfo(DialogControls& controls, int place) {
    const GameInfoText info = gameInfoText(book.tables[currentTable].rows[place - 1]);
    controls.showInformation(info.title, info.body);
}

void BestScoresDialog::onCommand(DialogControls& controls, int id) {
    for (int table = 0; table < kScoreTableCount; ++table) {
        if (id == kTableButtons[table]) {
            currentTable = static_cast<ScoreTableId>(table);
            showTableButton(controls);
            refresh(controls);
            return;
        }
    }
    for (int place = 1; place <= kScoreRows; ++place) {
        if (id == rowControlId(place, InfoColumn)) {
            showInfo(controls, place);
            return;
        }
    }
    switch (id) {
        case IDC_SCORES_CLEAR: clear(controls); break;
        case IDC_SCORES_UPDATE: update(controls); break;
        case IDC_SCORES_SEND: internet_.sendResults(baseFolder, uploadKey, book.tables[ClassicTable]); break;
        case kDialogOk:
        case kDialogCancel: controls.endDialog(kDialogOk); break;
        default: break;
    }
}

}  // namespace tintfall
