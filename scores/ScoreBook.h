#pragma once
// The four best-score tables and their file "data.tft": one local table per
// game mode and the copy of the internet Top 10, with a summary of the local
// tables (best and tenth score) that the game reads without the rows.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "scores/ScoreEntry.h"

namespace tintfall {

enum ScoreTableId : int { ClassicTable = 0, TimerTable = 1, RisingTable = 2, InternetTable = 3 };
constexpr int kScoreTableCount = 4;
constexpr int kLocalTableCount = 3;
constexpr int kScoreRows = 10;

inline constexpr const char* kScoreBookFileName = "data.tft";
inline constexpr const char* kScoreBookHeader = "TINTFALL_TABLE_FILE";
inline constexpr const char* kNeverUpdated = "Never";

using ScoreRows = std::array<ScoreEntry, kScoreRows>;

struct ScoreTable {
    ScoreRows rows{};  // row 0 is place 1
    std::string lastUpdateText = kNeverUpdated;
};

struct ScoreBook {
    std::array<ScoreTable, kScoreTableCount> tables{};
    std::array<std::int32_t, kLocalTableCount> topScore{};    // score of row 0
    std::array<std::int32_t, kLocalTableCount> entryScore{};  // score of row 9

    void reset() { *this = ScoreBook{}; }

    // baseFolder ends in a backslash. load keeps the book as it was when the file
    // is missing, foreign or ends early.
    bool load(Files& files, const std::string& baseFolder);
    bool save(Files& files, const std::string& baseFolder) const;
    // The book as the Best Scores dialog opens it: a file that does not load
    // is replaced by an empty book, after a damaged one has been kept beside
    // it ("data.tft.damaged"). False when nothing usable could be written.
    bool loadOrStartEmpty(Files& files, const std::string& baseFolder);

    std::vector<std::uint8_t> encode() const;
    // Replaces the book only when the bytes hold a complete valid file.
    bool parse(const std::uint8_t* data, std::size_t size);

    // The ranking rule: the entry goes above the first row it beats on score,
    // then level, then blocks removed; equal on all three goes below. Returns
    // the place (0..9) or nothing. updateText becomes the table's last update.
    std::optional<int> insertEntry(ScoreTableId table, const ScoreEntry& entry, const std::string& updateText);
    void clearTable(ScoreTableId table);
    void setInternetTable(const ScoreRows& rows, const std::string& updateText);
};

// The ranking rule between two rows: entry ranks strictly above row on score,
// then level, then blocks removed; equal on all three is not above.
bool ranksAbove(const ScoreEntry& entry, const ScoreEntry& row);

// The summary of the file: topScore / entryScore of the local table of a
// game mode; 0 when the file does not load, as for the empty book that
// replaces it.
std::int32_t bestLocalScore(Files& files, const std::string& baseFolder, std::int32_t mode);
std::int32_t qualifyingScore(Files& files, const std::string& baseFolder, std::int32_t mode);

}  // namespace tintfall
