#include "scores/RowReplays.h"

#include <algorithm>
#include <cstdio>

#include "scores/ScoreBook.h"

namespace tintfall {

namespace {

// FNV-1a over every field the game recorded.
class RowKey {
public:
    void add(std::int32_t value) {
        for (int i = 0; i < 4; ++i) addByte(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
    }
    void add(const std::string& text) {
        add(static_cast<std::int32_t>(text.size()));
        for (const char c : text) addByte(static_cast<std::uint8_t>(c));
    }
    std::uint64_t value() const { return hash_; }

private:
    void addByte(std::uint8_t byte) {
        hash_ ^= byte;
        hash_ *= 0x100000001b3ULL;
    }
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

std::uint64_t gameKey(const ScoreEntry& row) {
    RowKey key;
    for (const std::int32_t value :
         {row.level, row.score, row.blocksRemoved, row.hasInfo, row.gameSeconds, row.piecesCount, row.bombsCount,
          row.minDropSeconds, row.maxDropSeconds, row.averageDropSeconds, row.bombsEnabled, row.gameMode,
          row.colourCount, row.blockCountCode})
        key.add(value);
    key.add(row.startedText);
    key.add(row.finishedText);
    return key.value();
}

bool sameGame(const ScoreEntry& a, const ScoreEntry& b) { return gameKey(a) == gameKey(b); }

}  // namespace

std::string rowReplayPath(const std::string& folder, const ScoreEntry& row) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(gameKey(row)));
    return folder + kScoreBookFileName + "." + hex + kReplayFileEnding;
}

bool keepRowReplay(Files& files, const std::string& folder, const ScoreEntry& row,
                   const std::vector<std::uint8_t>& events) {
    return files.write(rowReplayPath(folder, row), encodeReplayFile(events));
}

bool hasRowReplay(Files& files, const std::string& folder, const ScoreEntry& row) {
    return files.exists(rowReplayPath(folder, row));
}

ReplayFileRead readRowReplay(Files& files, const std::string& folder, const ScoreEntry& row) {
    const auto bytes = files.read(rowReplayPath(folder, row), kReplayMaxFileBytes);
    if (!bytes) return {{}, "the replay file is missing or too large"};
    return parseReplayFile(*bytes);
}

std::vector<ScoreEntry> localTableRows(Files& files, const std::string& folder) {
    ScoreBook book;
    std::vector<ScoreEntry> rows;
    if (!book.load(files, folder)) return rows;
    for (int table = 0; table < kLocalTableCount; ++table)
        for (const ScoreEntry& row : book.tables[table].rows) rows.push_back(row);
    return rows;
}

void removeLeftRowReplays(Files& files, const std::string& folder, const std::vector<ScoreEntry>& rows) {
    const std::vector<ScoreEntry> kept = localTableRows(files, folder);
    for (const ScoreEntry& row : rows) {
        const bool stays = std::any_of(kept.begin(), kept.end(), [&](const ScoreEntry& k) { return sameGame(k, row); });
        if (!stays && hasRowReplay(files, folder, row)) files.remove(rowReplayPath(folder, row));
    }
}

}  // namespace tintfall
