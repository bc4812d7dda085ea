#include "net/Top10File.h"

#include <utility>

#include "platform/DataReader.h"
#include "platform/DataWriter.h"
#include "scores/ScoreEntryCodec.h"

namespace tintfall {

std::vector<std::uint8_t> encodeTop10(const ScoreRows& rows) {
    DataWriter out;
    out.writeText(kTop10Header);
    out.writeInt32(kScoreRows);
    for (const ScoreEntry& row : rows) writeScoreEntry(out, row);
    return out.bytes();
}

std::optional<ScoreRows> parseTop10(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    if (!in.expectText(kTop10Header) || in.readInt32() != kScoreRows) return std::nullopt;
    ScoreRows rows;
    for (ScoreEntry& row : rows) row = readScoreEntry(in);
    if (!in.ok()) return std::nullopt;
    return rows;
}

Top10Load loadDownloadedTop10(Files& files, const std::string& baseFolder, ScoreRows& rows) {
    const std::string path = baseFolder + kTop10FileName;
    const auto bytes = files.read(path);
    if (!bytes) return Top10Load::CannotOpen;
    auto parsed = parseTop10(bytes->data(), bytes->size());
    if (!parsed) return Top10Load::Incorrect;
    rows = std::move(*parsed);
    files.remove(path);
    return Top10Load::Loaded;
}

}  // namespace tintfall
