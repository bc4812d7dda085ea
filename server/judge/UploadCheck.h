#pragma once
// Reading one uploaded file as the table server must: everyone can send
// anything under the program's account, so an upload is taken only when it
// is exactly what the program writes, under its own key, with every text of
// every number within what a real game produces. Texts of any length and
// content are the program's own (names come from an unlimited edit box):
// they are taken, and cut and cleaned where they are published.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/UploadFile.h"

namespace tintfall {

inline constexpr std::size_t kMaxUploadBytes = 64u * 1024u;

struct UploadCheck {
    std::optional<UploadRecord> record;  // set when the upload is taken
    std::string refusal;                 // why it was not, for the server's log
};

// fileName is the name the file was stored under: the record's key + ".tft".
UploadCheck checkUpload(const std::vector<std::uint8_t>& bytes, const std::string& fileName);

}  // namespace tintfall
