#pragma once
// The window background of each size, drawn around the rectangles of the
// window layout, and the pictures laid over it: the next bar, the bottom bar,
// the status-bar texts and the two digit strips.
#include <memory>
#include <string>
#include <vector>

#include "shell/WindowLayout.h"
#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

constexpr int kStatusLineCount = 31;
constexpr int kStatusLineHeight = 15;
constexpr int kDigitWidth = 15;
constexpr int kDigitHeight = 17;
constexpr int kDigitStripWidth = 170;  // ten digits, the blank at 150, the 5-pixel colon at 165
constexpr int kClockGlyphWidth = 5;
constexpr int kClockGlyphHeight = 9;
constexpr int kClockGlyphs = 12;  // ten digits, the colon, the blank

std::unique_ptr<Picture> windowBackground(const WindowLayout& layout);
std::unique_ptr<Picture> nextBarPicture(const WindowLayout& layout);
std::unique_ptr<Picture> statusOffPicture(const WindowLayout& layout);
std::unique_ptr<Picture> statusLinesPicture(const WindowLayout& layout);
std::unique_ptr<Picture> digitStrip();
std::unique_ptr<Picture> clockGlyphStrip();

// The text of each status line, 0 the idle line, then one per hotspot.
const std::vector<std::string>& statusTexts();

}  // namespace tintfall::assetgen
