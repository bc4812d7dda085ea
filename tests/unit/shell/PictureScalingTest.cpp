#include <gtest/gtest.h>

#include "platform/DibPixels.h"
#include "shell/PictureScaling.h"

namespace tintfall {
namespace {

// One row of grey pixels.
DibImage greyRow(const std::vector<std::uint8_t>& levels) {
    std::vector<std::uint8_t> rows;
    for (const std::uint8_t level : levels) rows.insert(rows.end(), {level, level, level});
    return DibImage::fromRows(static_cast<int>(levels.size()), 1, rows, DisplayScale{});
}

std::vector<int> greyLevels(const DibImage& image) {
    std::vector<int> levels;
    for (int x = 0; x < image.width(); ++x) {
        ColourRef colour = 0;
        dibPixel(image.view(), x, 0, colour);
        levels.push_back(static_cast<int>(colour & 0xFF));
    }
    return levels;
}

// Each new pixel is the average of exactly the area it covers: no shift
// and no loss of brightness, at whole and broken ratios alike.
TEST(PictureScaling, ShrinkingAveragesTheCoveredArea) {
    EXPECT_EQ(greyLevels(resampleByArea(greyRow({0, 255}).view(), 1, 1, {})), (std::vector<int>{128}));
    EXPECT_EQ(greyLevels(resampleByArea(greyRow({0, 90, 180}).view(), 2, 1, {})), (std::vector<int>{30, 150}));
    EXPECT_EQ(greyLevels(enlargeByRepeating(greyRow({10, 20}).view(), 3, {})), (std::vector<int>{10, 10, 10, 20, 20, 20}));
}

}  // namespace
}  // namespace tintfall
