#pragma once
// The upload record of a Send Result and its file uploadKey + ".tft".
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "scores/ScoreBook.h"

namespace tintfall {

inline constexpr const char* kUploadHeader = "TINTFALL_SENDTABLE_FILE";

struct UploadRecord {
    std::string uploadKey;
    std::string playerName;
    std::string email;
    std::string country;
    std::string notes;
    std::string sentText;
    std::string usageText;
    std::string firstStartText;
    ScoreRows rows{};  // the local Classic table, empty rows included
    std::string closingText;
};

// uploadKey + ".tft": the local name and the name on the server.
std::string uploadFileName(const UploadRecord& record);
std::vector<std::uint8_t> encodeUploadRecord(const UploadRecord& record);
// The record, or nothing for another header, a row count other than 10 or a
// file that ends before its closing text.
std::optional<UploadRecord> parseUploadRecord(const std::uint8_t* data, std::size_t size);
// Writes baseFolder + uploadFileName(record); false when it cannot be created.
bool writeUploadFile(Files& files, const std::string& baseFolder, const UploadRecord& record);

}  // namespace tintfall
