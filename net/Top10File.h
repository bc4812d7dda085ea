#pragma once
// "top10.tft": the internet Top 10 table as the server hands it out.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "scores/ScoreBook.h"

namespace tintfall {

inline constexpr const char* kTop10FileName = "top10.tft";
inline constexpr const char* kTop10Header = "TINTFALL_TABLETOP10_FILE";
inline constexpr const char* kTop10CannotLoad = "ERROR! It is impossible to load downloaded file";
inline constexpr const char* kTop10Incorrect = "ERROR! Downloaded file is incorrect";

std::vector<std::uint8_t> encodeTop10(const ScoreRows& rows);
// The ten rows, or nothing for another header, another row count or a file
// that ends before the tenth row is complete.
std::optional<ScoreRows> parseTop10(const std::uint8_t* data, std::size_t size);

enum class Top10Load { Loaded, CannotOpen, Incorrect };

// Reads baseFolder + "top10.tft". Only a correct file is taken, and then deleted;
// an incorrect one stays on disk and rows are untouched.
Top10Load loadDownloadedTop10(Files& files, const std::string& baseFolder, ScoreRows& rows);

}  // namespace tintfall
