#include "scores/ScoreBook.h"

#include <utility>

#include "platform/DamagedFile.h"
#include "platform/DataReader.h"
#include "platform/DataWriter.h"
#include "scores/ScoreEntryCodec.h"

namespace tintfall {

namespace {

std::string bookPath(const std::string& baseFolder) { return baseFolder + kScoreBookFileName; }

bool isLocal(ScoreTableId table) { return table >= ClassicTable && table < kLocalTableCount; }
bool isTable(ScoreTableId table) { return table >= ClassicTable && table < kScoreTableCount; }

struct Summary {
    std::array<std::int32_t, kLocalTableCount> topScore{};
    std::array<std::int32_t, kLocalTableCount> entryScore{};
};

// Header, rows per table and the six summary integers.
std::optional<Summary> readSummary(DataReader& in) {
    if (!in.expectText(kScoreBookHeader) || in.readInt32() != kScoreRows) return std::nullopt;
    Summary summary;
    for (std::int32_t& score : summary.topScore) score = in.readInt32();
    for (std::int32_t& score : summary.entryScore) score = in.readInt32();
    if (!in.ok()) return std::nullopt;
    return summary;
}

bool isLocalMode(std::int32_t mode) { return mode >= 0 && mode < kLocalTableCount; }

}  // namespace

bool ranksAbove(const ScoreEntry& entry, const ScoreEntry& row) {
    if (entry.score != row.score) return entry.score > row.score;
    if (entry.level != row.level) return entry.level > row.level;
    return entry.blocksRemoved > row.blocksRemoved;
}

std::vector<std::uint8_t> ScoreBook::encode() const {
    DataWriter out;
    out.writeText(kScoreBookHeader);
    out.writeInt32(kScoreRows);
    for (std::int32_t score : topScore) out.writeInt32(score);
    for (std::int32_t score : entryScore) out.writeInt32(score);
    for (const ScoreTable& table : tables)
        for (const ScoreEntry& row : table.rows) writeScoreEntry(out, row);
    for (const ScoreTable& table : tables) out.writeText(table.lastUpdateText);
    return out.bytes();
}

bool ScoreBook::parse(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    const auto summary = readSummary(in);
    if (!summary) return false;
    ScoreBook book;
    book.topScore = summary->topScore;
    book.entryScore = summary->entryScore;
    for (ScoreTable& table : book.tables)
        for (ScoreEntry& row : table.rows) row = readScoreEntry(in);
    for (ScoreTable& table : book.tables) table.lastUpdateText = in.readText();
    if (!in.ok()) return false;
    *this = std::move(book);
    return true;
}

bool ScoreBook::load(Files& files, const std::string& baseFolder) {
    const auto bytes = files.read(bookPath(baseFolder));
    return bytes && parse(bytes->data(), bytes->size());
}

bool ScoreBook::save(Files& files, const std::string& baseFolder) const { return files.write(bookPath(baseFolder), encode()); }

bool ScoreBook::loadOrStartEmpty(Files& files, const std::string& baseFolder) {
    if (load(files, baseFolder)) return true;
    reset();
    // Put aside when it can be; replaced by the empty book in any case.
    keepDamagedFileAside(files, bookPath(baseFolder));
    return save(files, baseFolder) && load(files, baseFolder);
}

std::optional<int> ScoreBook::insertEntry(ScoreTableId id, const ScoreEntry& entry, const std::string& updateText) {
    if (!isTable(id)) return std::nullopt;
    ScoreTable& table = tables[id];
    int place = 0;
    while (place < kScoreRows && !ranksAbove(entry, table.rows[place])) ++place;
    if (place == kScoreRows) return std::nullopt;

    for (int row = kScoreRows - 1; row > place; --row) table.rows[row] = std::move(table.rows[row - 1]);
    table.rows[place] = entry;
    table.lastUpdateText = updateText;
    if (isLocal(id)) {
        topScore[id] = table.rows[0].score;
        entryScore[id] = table.rows[kScoreRows - 1].score;
    }
    return place;
}

void ScoreBook::clearTable(ScoreTableId id) {
    if (!isTable(id)) return;
    tables[id] = ScoreTable{};
    if (isLocal(id)) {
        topScore[id] = 0;
        entryScore[id] = 0;
    }
}

void ScoreBook::setInternetTable(const ScoreRows& rows, const std::string& updateText) {
    tables[InternetTable].rows = rows;
    tables[InternetTable].lastUpdateText = updateText;
}

std::int32_t bestLocalScore(Files& files, const std::string& baseFolder, std::int32_t mode) {
    if (!isLocalMode(mode)) return 0;
    ScoreBook book;
    return book.load(files, baseFolder) ? book.topScore[mode] : 0;
}

std::int32_t qualifyingScore(Files& files, const std::string& baseFolder, std::int32_t mode) {
    if (!isLocalMode(mode)) return 0;
    ScoreBook book;
    return book.load(files, baseFolder) ? book.entryScore[mode] : 0;
}

}  // namespace tintfall
