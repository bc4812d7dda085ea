#pragma once
// The table's two web pages: the product's home page with the Top 10 and
// the Top 50 page. Every text a player sent is escaped before it is shown.
#include <string>
#include <vector>

#include "scores/ScoreEntry.h"

namespace tintfall {

inline constexpr const char* kHomePageName = "index.html";
inline constexpr const char* kTop50PageName = "top50.html";
inline constexpr int kTop50Rows = 50;

std::string htmlEscape(const std::string& text);

// leaders: the ranked rows, best first; updated: when they were judged.
std::string homePage(const std::vector<ScoreEntry>& leaders, const std::string& updated);
std::string top50Page(const std::vector<ScoreEntry>& leaders, const std::string& updated);

}  // namespace tintfall
