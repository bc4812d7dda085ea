#pragma once
// "lastname.dat": the name given at the last name prompt.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall {

inline constexpr const char* kLastNameFileName = "lastname.dat";
inline constexpr const char* kLastNameHeader = "TINTFALL_LASTNAME_FILE";

std::vector<std::uint8_t> encodeLastName(const std::string& name);
std::optional<std::string> parseLastName(const std::uint8_t* data, std::size_t size);
// The stored name, or the empty name when the file is missing or invalid.
std::string readLastName(Files& files, const std::string& baseFolder);
bool writeLastName(Files& files, const std::string& baseFolder, const std::string& name);

}  // namespace tintfall
