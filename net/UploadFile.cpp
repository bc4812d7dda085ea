#include "net/UploadFile.h"

#include "platform/DataReader.h"
#include "platform/DataWriter.h"
#include "scores/ScoreEntryCodec.h"

namespace tintfall {

std::string uploadFileName(const UploadRecord& record) { return record.uploadKey + ".tft"; }

std::vector<std::uint8_t> encodeUploadRecord(const UploadRecord& r) {
    DataWriter out;
    out.writeText(kUploadHeader);
    out.writeInt32(kScoreRows);
    out.writeText(r.uploadKey);
    out.writeText(r.playerName);
    out.writeText(r.email);
    out.writeText(r.country);
    out.writeText(r.notes);
    out.writeText(r.sentText);
    out.writeText(r.usageText);
    out.writeText(r.firstStartText);
    for (const ScoreEntry& row : r.rows) writeScoreEntry(out, row);
    out.writeText(r.closingText);
    return out.bytes();
}

std::optional<UploadRecord> parseUploadRecord(const std::uint8_t* data, std::size_t size) {
    DataReader in(data, size);
    if (!in.expectText(kUploadHeader) || in.readInt32() != kScoreRows) return std::nullopt;
    UploadRecord r;
    r.uploadKey = in.readText();
    r.playerName = in.readText();
    r.email = in.readText();
    r.country = in.readText();
    r.notes = in.readText();
    r.sentText = in.readText();
    r.usageText = in.readText();
    r.firstStartText = in.readText();
    for (ScoreEntry& row : r.rows) row = readScoreEntry(in);
    r.closingText = in.readText();
    if (!in.ok()) return std::nullopt;
    return r;
}

bool writeUploadFile(Files& files, const std::string& baseFolder, const UploadRecord& record) {
    return files.write(baseFolder + uploadFileName(record), encodeUploadRecord(record));
}

}  // namespace tintfall
