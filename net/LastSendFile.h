#pragma once
// "lastsend.dat": the sender's details from the last confirmed Send Result.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall {

inline constexpr const char* kLastSendFileName = "lastsend.dat";
inline constexpr const char* kLastSendHeader = "TINTFALL_LASTSEND_FILE";

struct SendDetails {
    std::string name;
    std::string email;
    std::string country;
    std::string notes;
};

std::vector<std::uint8_t> encodeLastSend(const SendDetails& details);
std::optional<SendDetails> parseLastSend(const std::uint8_t* data, std::size_t size);
// The stored details, or four empty texts when the file is missing or invalid.
SendDetails readLastSend(Files& files, const std::string& baseFolder);
bool writeLastSend(Files& files, const std::string& baseFolder, const SendDetails& details);

}  // namespace tintfall
