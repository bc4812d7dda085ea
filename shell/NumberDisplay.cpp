#include "shell/NumberDisplay.h"

#include <algorithm>

namespace tintfall {
namespace {

void drawDigit(Canvas& canvas, const DibView& digits, int digit, int x, int y) {
    canvas.blit(digits, digit * kDigitWidth, 0, kDigitWidth, kDigitHeight, x, y);
}

void drawBlank(Canvas& canvas, const DibView& digits, int x, int y) {
    canvas.blit(digits, kDigitBlankX, 0, kDigitWidth, kDigitHeight, x, y);
}

void drawClockGlyph(Canvas& canvas, const DibView& clockDigits, int glyph, int x, int y) {
    canvas.blit(clockDigits, glyph * kClockGlyphWidth, 0, kClockGlyphWidth, kClockGlyphHeight, x, y);
}

}  // namespace

void drawNumber(Canvas& canvas, const DibView& digits, std::int32_t value, Point at, int places) {
    places = std::clamp(places, 1, kMaxDisplayPlaces);
    std::int32_t remaining = std::clamp<std::int32_t>(value, 0, kLargestShownNumber);
    for (int place = 0; place < places; ++place) {
        const int x = at.x - kDigitWidth * place;
        if (place > 0 && remaining == 0) {
            drawBlank(canvas, digits, x, at.y);
        } else {
            drawDigit(canvas, digits, remaining % 10, x, at.y);
        }
        remaining /= 10;
    }
}

void drawTimeDisplay(Canvas& canvas, const DibView& digits, std::int32_t seconds, Point at) {
    seconds = std::max<std::int32_t>(0, seconds);
    const std::int32_t minutes = std::min<std::int32_t>(seconds / 60, 99);
    const std::int32_t secondsPart = seconds % 60;
    drawDigit(canvas, digits, secondsPart % 10, at.x, at.y);
    drawDigit(canvas, digits, secondsPart / 10, at.x - 15, at.y);
    canvas.blit(digits, kDigitColonX, 0, kDigitColonWidth, kDigitHeight, at.x - 20, at.y);
    drawDigit(canvas, digits, minutes % 10, at.x - 35, at.y);
    drawDigit(canvas, digits, minutes / 10, at.x - 50, at.y);
}

void drawClock(Canvas& canvas, const DibView& clockDigits, int hour, int minute, Point at) {
    hour = std::clamp(hour, 0, 23);
    minute = std::clamp(minute, 0, 59);
    if (hour <= 9) {
        drawClockGlyph(canvas, clockDigits, kClockBlankGlyph, at.x, at.y);
    } else {
        drawClockGlyph(canvas, clockDigits, hour / 10, at.x, at.y);
    }
    drawClockGlyph(canvas, clockDigits, hour % 10, at.x + 7, at.y);
    drawClockGlyph(canvas, clockDigits, kClockColonGlyph, at.x + 12, at.y);
    drawClockGlyph(canvas, clockDigits, minute / 10, at.x + 17, at.y);
    drawClockGlyph(canvas, clockDigits, minute % 10, at.x + 24, at.y);
}

}  // namespace tintfall
