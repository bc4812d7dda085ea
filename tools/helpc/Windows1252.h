#pragma once
// The help source is UTF-8; the help file holds 8-bit Windows-1252 text.
#include <optional>
#include <string>

namespace tintfall::help {

// The text in Windows-1252, or nothing when it is not valid UTF-8 or holds a
// character that code page lacks.
std::optional<std::string> utf8ToWindows1252(const std::string& utf8);

}  // namespace tintfall::help
