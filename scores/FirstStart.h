#pragma once
// "sdata.dat": the date-and-time text of the program's first start, one text
// without header, written once and never changed.
#include <string>

#include "platform/Files.h"

namespace tintfall {

inline constexpr const char* kFirstStartFileName = "sdata.dat";

// Writes nowText only when the file does not exist yet; true when the file
// exists afterwards.
bool writeFirstStartIfAbsent(Files& files, const std::string& baseFolder, const std::string& nowText);
// The stored text, or "UNKNOWN" when the file is missing or unreadable.
std::string firstStartText(Files& files, const std::string& baseFolder);

}  // namespace tintfall
