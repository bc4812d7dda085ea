#pragma once
// What the table hands out of a row: every text a player sent, cut to what
// a table column shows and without control characters, so that neither
// top10.tft nor the pages carry line breaks, escapes or pages of text to
// every client. The stored upload keeps the texts as they came.
#include <cstddef>
#include <string>

#include "scores/ScoreEntry.h"

namespace tintfall {

inline constexpr std::size_t kShownNameLength = 32;     // name and country
inline constexpr std::size_t kShownDateLength = 40;     // started and finished; the longest date text is 37

// text cut to at most length characters, each control character a space.
std::string shownText(const std::string& text, std::size_t length);

ScoreEntry publishedRow(ScoreEntry row);

}  // namespace tintfall
