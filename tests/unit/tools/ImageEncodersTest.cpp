#include <gtest/gtest.h>

#include <set>

#include "shell/DibImage.h"
#include "tools/assetgen/BlockArt.h"
#include "tools/assetgen/ImageEncoders.h"
#include "tools/assetgen/ResourceArt.h"

namespace tintfall {
namespace {

using assetgen::Picture;

// The colour index or 0xRRGGBB at (x, y) counted from the top-left.
std::uint32_t decoded(const DibImage& image, int x, int y) {
    const DibView v = image.view();
    const std::uint8_t* row = v.pixels + static_cast<std::size_t>(v.height - 1 - y) * v.stride;
    auto entry = [&](std::uint32_t i) {
        const std::uint8_t* c = v.colourTable + 4 * i;
        return static_cast<std::uint32_t>(c[2] << 16 | c[1] << 8 | c[0]);
    };
    switch (v.bitsPerPixel) {
        case 24: return static_cast<std::uint32_t>(row[3 * x + 2] << 16 | row[3 * x + 1] << 8 | row[3 * x]);
        case 8: return entry(row[x]);
        default: return entry(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F);
    }
}

void paint(Picture& p, int x, int y, std::uint32_t rgb) {
    assetgen::fillRect(p.cr(), x, y, 1, 1, assetgen::hex(rgb));
}

TEST(BitmapEncoding, TrueColourKeepsEveryPixelTheRightWayUp) {
    // An odd width makes the rows need padding.
    Picture p(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) paint(p, x, y, static_cast<std::uint32_t>(0x102030 * (y + 1) + 0x000001 * x));
    }
    const DibImage image = DibImage::fromFileBytes(assetgen::encodeBmp24(p));
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image.bitsPerPixel(), 24);
    EXPECT_EQ(image.view().stride, 16u);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(decoded(image, x, y), p.pixel(x, y)) << x << "," << y;
    }
}

TEST(BitmapEncoding, FewColoursArePalettedExactly) {
    const auto flag = assetgen::flagNetherlands();
    const DibImage image = DibImage::fromFileBytes(assetgen::encodeBmpPaletted(*flag, 4));
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image.bitsPerPixel(), 4);
    EXPECT_LE(image.colourCount(), 16u);
    for (int y = 0; y < flag->height(); ++y) {
        for (int x = 0; x < flag->width(); ++x) ASSERT_EQ(decoded(image, x, y), flag->pixel(x, y)) << x << "," << y;
    }
    // Red on top, blue at the bottom.
    EXPECT_EQ(decoded(image, 35, 7), 0xAE1C28u);
    EXPECT_EQ(decoded(image, 35, 37), 0x21468Bu);
}

TEST(BitmapEncoding, ManyColoursAreReducedToAClosePalette) {
    // A smooth gradient with far more than 256 colours.
    Picture p(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) paint(p, x, y, static_cast<std::uint32_t>((x * 4) << 16 | (y * 4) << 8 | ((x + y) * 2)));
    }
    std::vector<std::uint32_t> palette = assetgen::choosePalette(p, 256);
    EXPECT_EQ(palette.size(), 256u);
    EXPECT_EQ(std::set<std::uint32_t>(palette.begin(), palette.end()).size(), 256u);
    const DibImage image = DibImage::fromFileBytes(assetgen::encodeBmpPaletted(p, 8));
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image.colourCount(), 256u);
    int worst = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t a = decoded(image, x, y), b = p.pixel(x, y);
            int error = 0;
            for (int shift : {0, 8, 16}) error = std::max(error, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
            worst = std::max(worst, error);
        }
    }
    EXPECT_LE(worst, 24);
}

TEST(BitmapEncoding, GenerationIsRepeatable) {
    EXPECT_EQ(assetgen::encodeBmp24(*assetgen::removalStrip(3, 32, 30)), assetgen::encodeBmp24(*assetgen::removalStrip(3, 32, 30)));
    EXPECT_EQ(assetgen::encodeBmpPaletted(*assetgen::championPicture(2), 8),
              assetgen::encodeBmpPaletted(*assetgen::championPicture(2), 8));
}

}  // namespace
}  // namespace tintfall
