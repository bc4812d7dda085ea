#pragma once
// The table's two web pages, in UTF-8: the product's home page with the
// Top 10 and the Top 50 page, both in the site's "tintfall/" folder. Every
// text a player sent is converted from the program's 8-bit Windows
// characters and escaped before it is shown.
#include <string>
#include <vector>

#include "server/judge/TableStore.h"

namespace tintfall {

inline constexpr const char* kHomePageName = "tintfall/index.htm";
inline constexpr const char* kTop50PageName = "tintfall/top.htm";
inline constexpr int kTop50Rows = 50;

// text (windows-1252) as UTF-8; the five bytes without a character there
// become U+FFFD.
std::string utf8FromWindows1252(const std::string& text);
// utf8FromWindows1252, then the characters HTML gives a meaning escaped.
std::string htmlText(const std::string& text);

// leaders: the ranked rows, best first, a verified one with its replay
// (linked for download); updated: when they were judged, with its time zone.
std::string homePage(const std::vector<RankedRow>& leaders, const std::string& updated);
std::string top50Page(const std::vector<RankedRow>& leaders, const std::string& updated);

}  // namespace tintfall
