#pragma once
// "ws.dat": the window size mode (0 Normal, 1 Big, 100 Automatic), 29 bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall {

inline constexpr const char* kWindowSizeFileName = "ws.dat";
inline constexpr const char* kWindowSizeHeader = "TINTFALL_WINDOWSIZE_FILE";
inline constexpr std::int32_t kAutomaticWindowSize = 100;

std::vector<std::uint8_t> encodeWindowSizeMode(std::int32_t mode);
// The stored mode, any value, when the header matches and the mode is complete.
std::optional<std::int32_t> parseWindowSizeMode(const std::uint8_t* data, std::size_t size);
// The stored mode, or 100 (Automatic) when the file is missing or invalid.
std::int32_t readWindowSizeMode(Files& files, const std::string& baseFolder);
bool writeWindowSizeMode(Files& files, const std::string& baseFolder, std::int32_t mode);

}  // namespace tintfall
