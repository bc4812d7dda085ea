#include "server/judge/TableStore.h"

#include <sqlite3.h>

#include <stdexcept>
#include <tuple>

#include "platform/DataReader.h"
#include "platform/DataWriter.h"
#include "scores/ScoreEntryCodec.h"

namespace tintfall {

namespace {

// One installation per key. score, level, blocks and since are the ranking
// key of its best qualifying row (all NULL when it has none), row that row
// as the Top 10 file stores it; hidden 1 keeps a moderated installation
// out of the table; replay names the replay file that reproduced the row
// (NULL: not verified). The partial index holds only shown ranked
// installations, in table order, so the leaders need no sort. The uploads
// (with the senders' e-mail addresses) sit in their own table to keep the
// ranked one small.
constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS installation(
  id INTEGER PRIMARY KEY,
  key TEXT NOT NULL UNIQUE,
  received INTEGER NOT NULL,
  score INTEGER, level INTEGER, blocks INTEGER, since INTEGER,
  row BLOB,
  hidden INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS upload(id INTEGER PRIMARY KEY, bytes BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS counter(id INTEGER PRIMARY KEY CHECK (id = 1), uploads INTEGER NOT NULL);
INSERT OR IGNORE INTO counter VALUES (1, 0);
)";

// Columns added since the first servers, with their ALTER TABLE; the table
// of an older database gains them when opened.
constexpr const char* kAddedColumns[][2] = {
    {"hidden", "ALTER TABLE installation ADD COLUMN hidden INTEGER NOT NULL DEFAULT 0"},
    {"replay", "ALTER TABLE installation ADD COLUMN replay TEXT"},
};

// After the hidden column exists.
constexpr const char* kRankingIndex = R"(
DROP INDEX IF EXISTS ranking;
CREATE INDEX IF NOT EXISTS shown_ranking
  ON installation(score DESC, level DESC, blocks DESC, since) WHERE score IS NOT NULL AND hidden = 0;
)";

constexpr int kRederiveBatch = 1000;

[[noreturn]] void fail(sqlite3* db, const char* what) {
    throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

class Statement {
public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) fail(db, "prepare");
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& reset() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
        return *this;
    }
    Statement& bind(int index, std::int64_t value) {
        check(sqlite3_bind_int64(statement_, index, value));
        return *this;
    }
    Statement& bind(int index, const std::string& text) {
        check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
        return *this;
    }
    Statement& bind(int index, const std::vector<std::uint8_t>& bytes) {
        check(sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
        return *this;
    }
    Statement& bindNull(int index) {
        check(sqlite3_bind_null(statement_, index));
        return *this;
    }
    // True while a row is there to read.
    bool step() {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW) return true;
        if (result != SQLITE_DONE) fail(db_, "step");
        return false;
    }
    void run() {
        while (step()) {
        }
    }
    bool isNull(int column) { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    std::int64_t integer(int column) { return sqlite3_column_int64(statement_, column); }
    std::string text(int column) {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return data ? std::string(data, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))) : "";
    }
    std::vector<std::uint8_t> blob(int column) {
        const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
        return std::vector<std::uint8_t>(data, data + sqlite3_column_bytes(statement_, column));
    }

private:
    void check(int result) {
        if (result != SQLITE_OK) fail(db_, "bind");
    }

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

std::vector<std::uint8_t> encodeRow(const ScoreEntry& row) {
    DataWriter out;
    writeScoreEntry(out, row);
    return out.bytes();
}

using RankKey = std::tuple<std::int64_t, std::int64_t, std::int64_t>;

RankKey rankKey(const ScoreEntry& row) { return {row.score, row.level, row.blocksRemoved}; }

}  // namespace

struct TableStore::Statements {
    explicit Statements(sqlite3* db)
        : nextUpload(db, "UPDATE counter SET uploads = uploads + 1 WHERE id = 1 RETURNING uploads"),
          find(db, "SELECT id, score, level, blocks, since, replay FROM installation WHERE key = ?1"),
          insert(db, "INSERT INTO installation(key, received) VALUES (?1, ?2)"),
          received(db, "UPDATE installation SET received = ?2 WHERE id = ?1"),
          setBest(db, "UPDATE installation SET score = ?2, level = ?3, blocks = ?4, since = ?5, row = ?6 WHERE id = ?1"),
          setReplay(db, "UPDATE installation SET replay = ?2 WHERE id = ?1"),
          keepBytes(db, "INSERT OR REPLACE INTO upload(id, bytes) VALUES (?1, ?2)"),
          leaders(db, "SELECT row, replay FROM installation WHERE score IS NOT NULL AND hidden = 0 "
                      "AND (?2 = 0 OR replay IS NOT NULL) "
                      "ORDER BY score DESC, level DESC, blocks DESC, since LIMIT ?1"),
          everyone(db, "SELECT key, hidden, row, replay FROM installation ORDER BY id"),
          hide(db, "UPDATE installation SET hidden = ?2 WHERE key = ?1"),
          forgetUpload(db, "DELETE FROM upload WHERE id = (SELECT id FROM installation WHERE key = ?1)"),
          forget(db, "DELETE FROM installation WHERE key = ?1"),
          unverify(db, "UPDATE installation SET replay = NULL WHERE replay = ?1"),
          batch(db, "SELECT i.id, i.received, i.score, i.level, i.blocks, i.since, u.bytes, i.replay "
                    "FROM installation i JOIN upload u ON u.id = i.id WHERE i.id > ?1 ORDER BY i.id LIMIT ?2") {}

    Statement nextUpload, find, insert, received, setBest, setReplay, keepBytes, leaders, everyone, hide, forgetUpload, forget,
        unverify, batch;
};

TableStore::TableStore(const std::string& path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("open " + path + ": " + why);
    }
    try {
        sqlite3_busy_timeout(db_, 10000);
        // The server is the only writer; a crash of the process loses no
        // committed upload in WAL mode without a sync on every commit.
        execute("PRAGMA journal_mode = WAL");
        execute("PRAGMA synchronous = NORMAL");
        execute(kSchema);
        for (const auto& [column, alter] : kAddedColumns) {
            sqlite3_stmt* probe = nullptr;
            const std::string select = std::string("SELECT ") + column + " FROM installation";
            const bool present = sqlite3_prepare_v2(db_, select.c_str(), -1, &probe, nullptr) == SQLITE_OK;
            sqlite3_finalize(probe);
            if (!present) execute(alter);
        }
        execute(kRankingIndex);
        statements_ = std::make_unique<Statements>(db_);
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

TableStore::~TableStore() {
    statements_.reset();
    sqlite3_close(db_);
}

void TableStore::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(db_, sql);
}

void TableStore::transaction(const std::function<void()>& work) {
    execute("BEGIN IMMEDIATE");
    try {
        work();
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    execute("COMMIT");
}

namespace {

// The stored ranking key (score, level, blocks from column first on), or
// nothing for an unranked installation.
std::optional<RankKey> storedKey(Statement& row, int first) {
    if (row.isNull(first)) return std::nullopt;
    return RankKey{row.integer(first), row.integer(first + 1), row.integer(first + 2)};
}

// The replay column as a name, empty for NULL.
std::string replayName(Statement& row, int column) { return row.isNull(column) ? std::string() : row.text(column); }

void writeReplay(Statement& setReplay, std::int64_t id, const std::string& replay) {
    setReplay.reset().bind(1, id);
    if (replay.empty()) {
        setReplay.bindNull(2);
    } else {
        setReplay.bind(2, replay);
    }
    setReplay.run();
}

void writeBest(Statement& setBest, std::int64_t id, const std::optional<ScoreEntry>& best, std::int64_t since) {
    setBest.reset().bind(1, id);
    if (best) {
        setBest.bind(2, best->score).bind(3, best->level).bind(4, best->blocksRemoved).bind(5, since);
        setBest.bind(6, encodeRow(*best));
    } else {
        for (int column = 2; column <= 6; ++column) setBest.bindNull(column);
    }
    setBest.run();
}

}  // namespace

std::string TableStore::keepUpload(const std::string& key, const std::vector<std::uint8_t>& bytes,
                                   const std::optional<ScoreEntry>& best, const std::string& replay) {
    std::string former;
    const auto keep = [&] {
        Statements& s = *statements_;
        s.nextUpload.reset();
        if (!s.nextUpload.step()) fail(db_, "counter");
        const std::int64_t number = s.nextUpload.integer(0);
        s.nextUpload.run();

        std::int64_t id = 0;
        std::int64_t since = number;
        s.find.reset().bind(1, key);
        if (s.find.step()) {
            id = s.find.integer(0);
            // The same result sent again keeps its place among equals.
            if (best && storedKey(s.find, 1) == rankKey(*best)) since = s.find.integer(4);
            former = replayName(s.find, 5);
            s.find.run();
            s.received.reset().bind(1, id).bind(2, number).run();
        } else {
            s.insert.reset().bind(1, key).bind(2, number).run();
            id = sqlite3_last_insert_rowid(db_);
        }
        writeBest(s.setBest, id, best, since);
        writeReplay(s.setReplay, id, best ? replay : std::string());
        s.keepBytes.reset().bind(1, id).bind(2, bytes).run();
    };
    if (sqlite3_get_autocommit(db_)) {
        transaction(keep);
    } else {
        keep();
    }
    return former == replay ? std::string() : former;
}

std::vector<ScoreEntry> TableStore::leaders(int count) {
    std::vector<ScoreEntry> rows;
    for (RankedRow& one : ranked(count, false)) rows.push_back(std::move(one.row));
    return rows;
}

std::vector<RankedRow> TableStore::ranked(int count, bool verifiedOnly) {
    std::vector<RankedRow> rows;
    Statement& leaders = statements_->leaders;
    leaders.reset().bind(1, count).bind(2, verifiedOnly ? 1 : 0);
    while (leaders.step()) {
        const std::vector<std::uint8_t> bytes = leaders.blob(0);
        DataReader in(bytes);
        ScoreEntry row = readScoreEntry(in);
        if (in.ok()) rows.push_back({std::move(row), replayName(leaders, 1)});
    }
    return rows;
}

std::vector<TableStore::Installation> TableStore::installations() {
    std::vector<Installation> all;
    Statement& everyone = statements_->everyone;
    everyone.reset();
    while (everyone.step()) {
        Installation one;
        one.key = everyone.text(0);
        one.hidden = everyone.integer(1) != 0;
        if (!everyone.isNull(2)) {
            const std::vector<std::uint8_t> bytes = everyone.blob(2);
            DataReader in(bytes);
            ScoreEntry row = readScoreEntry(in);
            if (in.ok()) one.best = std::move(row);
        }
        one.replay = replayName(everyone, 3);
        all.push_back(std::move(one));
    }
    return all;
}

bool TableStore::hide(const std::string& key, bool hidden) {
    statements_->hide.reset().bind(1, key).bind(2, hidden ? 1 : 0).run();
    return sqlite3_changes(db_) > 0;
}

bool TableStore::forget(const std::string& key) {
    bool found = false;
    transaction([&] {
        statements_->forgetUpload.reset().bind(1, key).run();
        statements_->forget.reset().bind(1, key).run();
        found = sqlite3_changes(db_) > 0;
    });
    return found;
}

std::vector<std::string> TableStore::rederive(const Derive& derive) {
    std::vector<std::string> unused;
    transaction([&] {
        Statements& s = *statements_;
        std::int64_t last = 0;
        for (bool more = true; more;) {
            more = false;
            s.batch.reset().bind(1, last).bind(2, kRederiveBatch);
            std::vector<std::tuple<std::int64_t, std::int64_t, std::optional<ScoreEntry>>> changes;
            while (s.batch.step()) {
                more = true;
                last = s.batch.integer(0);
                const std::optional<ScoreEntry> best = derive(s.batch.blob(6));
                const bool same = best && storedKey(s.batch, 2) == rankKey(*best);
                changes.emplace_back(last, same ? s.batch.integer(5) : s.batch.integer(1), best);
                // The replay reproduced the row it was sent with, not another one.
                const std::string replay = replayName(s.batch, 7);
                if (!same && !replay.empty()) unused.push_back(replay);
            }
            for (const auto& [id, since, best] : changes) writeBest(s.setBest, id, best, since);
        }
        for (const std::string& replay : unused) {
            s.unverify.reset().bind(1, replay).run();
        }
    });
    return unused;
}

}  // namespace tintfall
