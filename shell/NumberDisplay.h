#pragma once
// The panel's number displays: right-aligned numbers and the Timer-mode time
// from the 15 x 17 panel digits, and the status-bar clock from the 5 x 9
// clock digits.
#include <cstdint>

#include "panel/PanelGeometry.h"
#include "platform/Canvas.h"

namespace tintfall {

constexpr int kDigitWidth = 15;
constexpr int kDigitHeight = 17;
constexpr int kDigitBlankX = 150;
constexpr int kDigitColonX = 165;
constexpr int kDigitColonWidth = 5;
constexpr int kMaxDisplayPlaces = 7;
// The largest value seven places can show; larger values show as this.
constexpr std::int32_t kLargestShownNumber = 9999999;

constexpr int kClockGlyphWidth = 5;
constexpr int kClockGlyphHeight = 9;
constexpr int kClockColonGlyph = 10;
constexpr int kClockBlankGlyph = 11;

// Draws value with its ones digit at `at` and each higher place 15 pixels
// further left, `places` places in all (1 to 7). Places above the value's
// highest digit are blank; the ones place is always a digit. Negative values
// show as 0, values above 9,999,999 as 9999999.
void drawNumber(Canvas& canvas, const DibView& digits, std::int32_t value, Point at, int places);

// Seconds as minutes and seconds, two digits each with a colon between; the
// seconds' ones digit at `at`. Minutes above 99 show as 99.
void drawTimeDisplay(Canvas& canvas, const DibView& digits, std::int32_t seconds, Point at);

// The status-bar clock: hour (blank tens below 10), colon, two-digit minute.
void drawClock(Canvas& canvas, const DibView& clockDigits, int hour, int minute, Point at);

}  // namespace tintfall
