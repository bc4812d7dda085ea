#include "server/judge/UploadCheck.h"

#include "engine/Rules.h"
#include "net/UploadKey.h"
#include "platform/DataReader.h"
#include "scores/ScoreBook.h"

namespace tintfall {

namespace {

constexpr const char* kUploadSuffix = ".tft";

bool within(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

// Why a row cannot come from the program's own table, or empty.
std::string rowFault(const ScoreEntry& row) {
    const bool real = row.hasInfo == 1;
    if (!within(row.hasInfo, 0, 1)) return "hasInfo out of range";
    if (!within(row.level, real ? 1 : 0, kLevelCount)) return "level out of range";
    if (row.score < 0 || row.blocksRemoved < 0) return "score or blocks negative";
    if (row.gameSeconds < 0 || row.piecesCount < 0 || row.bombsCount < 0 || row.minDropSeconds < 0 ||
        row.maxDropSeconds < 0 || row.averageDropSeconds < 0) {
        return "game statistics negative";
    }
    if (!within(row.bombsEnabled, 0, 1)) return "bombsEnabled out of range";
    if (!isKnownRuleCode(RuleGroup::Mode, row.gameMode)) return "gameMode out of range";
    if (!(isKnownRuleCode(RuleGroup::Difficulty, row.colourCount) || (!real && row.colourCount == 0)))
        return "colourCount out of range";
    if (!isKnownRuleCode(RuleGroup::Blocks, row.blockCountCode)) return "blockCountCode out of range";
    return {};
}

// The Send Result dialog sends only with a name and a country.
std::string detailsFault(const UploadRecord& r) {
    if (r.playerName.empty() || r.country.empty()) return "name or country empty";
    return {};
}

// Why the bytes are not an upload file at all, or empty.
std::string layoutFault(const std::vector<std::uint8_t>& bytes) {
    DataReader in(bytes);
    if (!in.expectText(kUploadHeader)) return "wrong header";
    if (in.readInt32() != kScoreRows || !in.ok()) return "row count is not 10";
    return "file ends early";
}

UploadCheck refusedUpload(std::string why) { return UploadCheck{std::nullopt, std::move(why)}; }

}  // namespace

UploadCheck checkUpload(const std::vector<std::uint8_t>& bytes, const std::string& fileName) {
    const std::size_t suffix = std::char_traits<char>::length(kUploadSuffix);
    const std::string key = fileName.size() > suffix ? fileName.substr(0, fileName.size() - suffix) : std::string();
    if (!isValidUploadKey(key) || fileName.compare(key.size(), std::string::npos, kUploadSuffix) != 0) {
        return refusedUpload("file name is not a key followed by .tft");
    }
    if (bytes.size() > kMaxUploadBytes) return refusedUpload("larger than 64 KiB");

    std::optional<UploadRecord> record = parseUploadRecord(bytes.data(), bytes.size());
    if (!record) return refusedUpload(layoutFault(bytes));
    // Trailing bytes or a text prefix longer than needed: not the program's writing.
    if (encodeUploadRecord(*record) != bytes) return refusedUpload("not written as the program writes");
    if (record->uploadKey != key) return refusedUpload("key differs from the file name");
    if (const std::string fault = detailsFault(*record); !fault.empty()) return refusedUpload(fault);
    for (std::size_t place = 0; place < record->rows.size(); ++place) {
        const std::string fault = rowFault(record->rows[place]);
        if (!fault.empty()) return refusedUpload("row " + std::to_string(place + 1) + ": " + fault);
    }
    return UploadCheck{std::move(record), {}};
}

}  // namespace tintfall
