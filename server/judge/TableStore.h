#pragma once
// The table server's memory, an SQLite database: the latest accepted upload
// of every installation, and beside it the installation's best qualifying
// row with its ranking key, indexed so that the leaders are an index scan
// and keeping an upload costs a few B-tree steps however many there are.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scores/ScoreEntry.h"

struct sqlite3;

namespace tintfall {

// A row of the table with the name of the replay that verified it (empty:
// not verified).
struct RankedRow {
    ScoreEntry row;
    std::string replay;
};

class TableStore {
public:
    // Opens the database file, creating it and its tables when missing;
    // ":memory:" gives a store that lives as long as the object. Every
    // failure of the database throws std::runtime_error.
    explicit TableStore(const std::string& path);
    ~TableStore();
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    // Makes bytes the installation's latest upload and best its row in the
    // table (nothing: not ranked), verified by the replay of that name
    // (empty: not verified). Of two installations equal on the ranking rule
    // the one that reached that result first stays above. Returns the
    // replay the installation had before when it is no longer its own.
    std::string keepUpload(const std::string& key, const std::vector<std::uint8_t>& bytes,
                           const std::optional<ScoreEntry>& best, const std::string& replay = {});

    // The rows of the first count ranked installations, best first.
    std::vector<ScoreEntry> leaders(int count);
    // The same with their replays; verifiedOnly leaves out the rows no
    // replay verified.
    std::vector<RankedRow> ranked(int count, bool verifiedOnly);

    // Moderation. Every installation, in the order they first sent.
    struct Installation {
        std::string key;
        bool hidden = false;
        std::optional<ScoreEntry> best;  // its ranked row, if any
        std::string replay;              // the replay that verified it, if any
    };
    std::vector<Installation> installations();
    // Keeps the installation out of the table (or lets it back); false for
    // an unknown key.
    bool hide(const std::string& key, bool hidden);
    // Removes the installation and its upload with the sender's details;
    // false for an unknown key.
    bool forget(const std::string& key);

    // Works out every installation's row again from its stored upload; a
    // row that changes loses its replay (returned, no longer used).
    using Derive = std::function<std::optional<ScoreEntry>(const std::vector<std::uint8_t>& upload)>;
    std::vector<std::string> rederive(const Derive& derive);

    // Runs work as one transaction (a bulk load); keepUpload inside it does
    // not commit on its own.
    void transaction(const std::function<void()>& work);

private:
    struct Statements;

    void execute(const char* sql);

    sqlite3* db_ = nullptr;
    std::unique_ptr<Statements> statements_;
};

}  // namespace tintfall
