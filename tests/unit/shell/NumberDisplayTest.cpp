#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/RecordingCanvas.h"
#include "shell/NumberDisplay.h"
#include "shell/DibImage.h"
#include "tests/unit/shell/TestBitmaps.h"

using namespace tintfall;
using namespace tintfall::test;

namespace {

// What one glyph call shows, read from its source x.
std::string glyphOf(const CanvasCall& c, int glyphWidth, int blankX, int colonX) {
    if (c.srcX == blankX) return "_";
    if (c.srcX == colonX) return ":";
    return std::to_string(c.srcX / glyphWidth);
}

class NumberDisplayTest : public ::testing::Test {
protected:
    NumberDisplayTest()
        : digits(DibImage::fromFileBytes(makeBmp(170, 17, 24, [](int, int) { return 0u; }))),
          clockDigits(DibImage::fromFileBytes(makeBmp(60, 9, 24, [](int, int) { return 0u; }))) {}

    // Glyphs from the leftmost place to the ones place, with their x.
    std::vector<std::pair<std::string, int>> shown() const {
        std::vector<std::pair<std::string, int>> out;
        for (const CanvasCall& c : canvas.calls) out.emplace_back(glyphOf(c, 15, 150, 165), c.dstX);
        std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        return out;
    }
    std::string text() const {
        std::string t;
        for (const auto& g : shown()) t += g.first;
        return t;
    }

    DibImage digits;
    DibImage clockDigits;
    RecordingCanvas canvas;
};

}  // namespace

TEST_F(NumberDisplayTest, SevenIsOneDigitAtTheOnesPlaceWithSixBlanks) {
    drawNumber(canvas, digits.view(), 7, {453, 218}, 7);
    ASSERT_EQ(canvas.calls.size(), 7u);
    EXPECT_EQ(canvas.calls[0], blitCall(digits.view(), 105, 0, 15, 17, 453, 218));
    for (std::size_t place = 1; place < 7; ++place)
        EXPECT_EQ(canvas.calls[place], blitCall(digits.view(), 150, 0, 15, 17, 453 - 15 * static_cast<int>(place), 218));
}

TEST_F(NumberDisplayTest, PlacesTurnBlankOnlyAboveTheHighestDigit) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {0, "______0"},       {9, "______9"},       {10, "_____10"},      {100, "____100"},
        {99999, "__99999"},   {100000, "_100000"},  {999999, "_999999"},  {1000000, "1000000"},
        {9999999, "9999999"},
    };
    for (const auto& [value, expected] : cases) {
        canvas.calls.clear();
        drawNumber(canvas, digits.view(), value, {453, 218}, 7);
        EXPECT_EQ(text(), expected) << value;
    }
}

TEST_F(NumberDisplayTest, ValuesBeyondSevenPlacesShowTheLargestNumberAndNegativesZero) {
    drawNumber(canvas, digits.view(), 12345678, {453, 218}, 7);
    EXPECT_EQ(text(), "9999999");
    canvas.calls.clear();
    drawNumber(canvas, digits.view(), 2000000000, {453, 218}, 7);
    EXPECT_EQ(text(), "9999999");
    canvas.calls.clear();
    drawNumber(canvas, digits.view(), -5, {453, 218}, 3);
    EXPECT_EQ(text(), "__0");
}

TEST_F(NumberDisplayTest, ShorterDisplaysShowOnlyTheirPlaces) {
    drawNumber(canvas, digits.view(), 12, {392, 177}, 3);
    EXPECT_EQ(text(), "_12");
    EXPECT_EQ(shown().front().second, 392 - 30);
    canvas.calls.clear();
    drawNumber(canvas, digits.view(), 5, {453, 300}, 2);
    EXPECT_EQ(text(), "_5");
}

TEST_F(NumberDisplayTest, TimeShowsTwoDigitsColonTwoDigits) {
    drawTimeDisplay(canvas, digits.view(), 65, {412, 300});
    const std::vector<CanvasCall> expected = {
        blitCall(digits.view(), 75, 0, 15, 17, 412, 300),   // seconds ones 5
        blitCall(digits.view(), 0, 0, 15, 17, 397, 300),    // seconds tens 0
        blitCall(digits.view(), 165, 0, 5, 17, 392, 300),   // colon, 5 wide
        blitCall(digits.view(), 15, 0, 15, 17, 377, 300),   // minutes ones 1
        blitCall(digits.view(), 0, 0, 15, 17, 362, 300),    // minutes tens 0
    };
    EXPECT_EQ(canvas.calls, expected);

    for (const auto& [seconds, expectedText] :
         {std::pair<std::int32_t, std::string>{0, "00:00"}, {59, "00:59"}, {60, "01:00"}, {3599, "59:59"}}) {
        canvas.calls.clear();
        drawTimeDisplay(canvas, digits.view(), seconds, {412, 300});
        EXPECT_EQ(text(), expectedText) << seconds;
    }
}

TEST_F(NumberDisplayTest, ClockAtFivePastNineShowsBlankNineColonZeroFive) {
    const DibView v = clockDigits.view();
    drawClock(canvas, v, 9, 5, {442, 387});
    const std::vector<CanvasCall> expected = {
        blitCall(v, 55, 0, 5, 9, 442, 387),  // blank glyph 11
        blitCall(v, 45, 0, 5, 9, 449, 387),  // 9
        blitCall(v, 50, 0, 5, 9, 454, 387),  // colon glyph 10
        blitCall(v, 0, 0, 5, 9, 459, 387),   // 0
        blitCall(v, 25, 0, 5, 9, 466, 387),  // 5
    };
    EXPECT_EQ(canvas.calls, expected);

    canvas.calls.clear();
    drawClock(canvas, v, 10, 0, {506, 584});
    ASSERT_EQ(canvas.calls.size(), 5u);
    EXPECT_EQ(canvas.calls[0].srcX, 5);   // hour tens 1
    EXPECT_EQ(canvas.calls[1].srcX, 0);   // hour ones 0
    EXPECT_EQ(canvas.calls[3].srcX, 0);
    EXPECT_EQ(canvas.calls[4].srcX, 0);
    EXPECT_EQ(canvas.calls[4].dstX, 530);
    EXPECT_EQ(canvas.calls[4].dstY, 584);
}
