#include <gtest/gtest.h>

#include "platform/headless/SoftwareCanvas.h"
#include "shell/DibImage.h"
#include "tests/unit/shell/TestBitmaps.h"

using namespace tintfall;
using namespace tintfall::test;

namespace {

constexpr ColourRef kRed = 0x0000FF;
constexpr ColourRef kGreen = 0x00FF00;
constexpr ColourRef kBlue = 0xFF0000;
constexpr ColourRef kWhite = 0xFFFFFF;

// A 24-bit colour that tells which source pixel it came from.
ColourRef coordinateColour(int x, int y) { return static_cast<ColourRef>(0x100000 + (y << 8) + x); }

DibImage imageOf(const std::vector<std::uint8_t>& bytes) {
    DibImage image = DibImage::fromFileBytes(bytes);
    EXPECT_FALSE(image.empty());
    return image;
}

}  // namespace

TEST(SoftwareCanvasBlit, SourceRowsAreCountedFromTheTopOfTheImageInEveryDepth) {
    const std::vector<ColourRef> palette = {kRed, kGreen, kBlue, kWhite};
    // Top row index 1, bottom row index 2, for every paletted depth.
    for (int bits : {1, 4, 8}) {
        const auto bytes = makeBmp(9, 3, bits, [bits](int, int y) { return y == 0 ? 1u : (bits == 1 ? 0u : 2u); },
                                   bits == 1 ? std::vector<ColourRef>{kRed, kGreen} : palette);
        const DibImage image = imageOf(bytes);
        SoftwareCanvas canvas(20, 10);
        canvas.blit(image.view(), 0, 0, 9, 3, 5, 2);
        EXPECT_EQ(canvas.pixel(5, 2), kGreen) << bits;
        EXPECT_EQ(canvas.pixel(13, 2), kGreen) << bits;
        EXPECT_EQ(canvas.pixel(13, 4), bits == 1 ? kRed : kBlue) << bits;
        EXPECT_EQ(canvas.pixel(4, 2), 0u) << bits;
        EXPECT_EQ(canvas.pixel(14, 2), 0u) << bits;
    }
    for (int bits : {24, 32}) {
        const DibImage image = imageOf(makeBmp(7, 5, bits, coordinateColour));
        SoftwareCanvas canvas(10, 10);
        canvas.blit(image.view(), 2, 1, 3, 2, 0, 0);
        EXPECT_EQ(canvas.pixel(0, 0), coordinateColour(2, 1)) << bits;
        EXPECT_EQ(canvas.pixel(2, 1), coordinateColour(4, 2)) << bits;
        EXPECT_EQ(canvas.pixel(3, 0), 0u) << bits;
        EXPECT_EQ(canvas.pixel(0, 2), 0u) << bits;
    }
}

TEST(SoftwareCanvasBlit, FourBitPixelsUseHighNibbleFirst) {
    const std::vector<ColourRef> palette = {kRed, kGreen, kBlue, kWhite};
    const DibImage image = imageOf(makeBmp(4, 1, 4, [](int x, int) { return static_cast<std::uint32_t>(x); }, palette));
    SoftwareCanvas canvas(4, 1);
    canvas.blit(image.view(), 0, 0, 4, 1, 0, 0);
    EXPECT_EQ(canvas.pixel(0, 0), kRed);
    EXPECT_EQ(canvas.pixel(1, 0), kGreen);
    EXPECT_EQ(canvas.pixel(2, 0), kBlue);
    EXPECT_EQ(canvas.pixel(3, 0), kWhite);
}

TEST(SoftwareCanvasBlit, IndexBeyondTheColourTableShowsBlack) {
    const DibImage image = imageOf(makeBmp(2, 1, 8, [](int x, int) { return x == 0 ? 1u : 7u; }, {kRed, kGreen}));
    SoftwareCanvas canvas(2, 1, kWhite);
    canvas.blit(image.view(), 0, 0, 2, 1, 0, 0);
    EXPECT_EQ(canvas.pixel(0, 0), kGreen);
    EXPECT_EQ(canvas.pixel(1, 0), 0u);
}

TEST(SoftwareCanvasBlit, ClipsAtEveryEdgeOfSourceAndDestination) {
    const DibImage image = imageOf(makeBmp(4, 4, 24, coordinateColour));
    SoftwareCanvas canvas(5, 5, kWhite);
    // Destination above and left of the canvas: only the lower right part lands.
    canvas.blit(image.view(), 0, 0, 4, 4, -2, -3);
    EXPECT_EQ(canvas.pixel(0, 0), coordinateColour(2, 3));
    EXPECT_EQ(canvas.pixel(1, 0), coordinateColour(3, 3));
    EXPECT_EQ(canvas.pixel(2, 0), kWhite);
    EXPECT_EQ(canvas.pixel(0, 1), kWhite);

    // Source rectangle reaching outside the image: the outside part is skipped.
    SoftwareCanvas second(5, 5, kWhite);
    second.blit(image.view(), -1, 2, 6, 6, 0, 0);
    EXPECT_EQ(second.pixel(0, 0), kWhite);
    EXPECT_EQ(second.pixel(1, 0), coordinateColour(0, 2));
    EXPECT_EQ(second.pixel(4, 1), coordinateColour(3, 3));
    EXPECT_EQ(second.pixel(1, 2), kWhite);

    // Past the right and bottom edges of the canvas.
    SoftwareCanvas third(5, 5, kWhite);
    third.blit(image.view(), 0, 0, 4, 4, 3, 4);
    EXPECT_EQ(third.pixel(4, 4), coordinateColour(1, 0));
    EXPECT_EQ(third.pixel(3, 3), kWhite);
}

TEST(SoftwareCanvasBlit, EmptyImageDrawsNothing) {
    SoftwareCanvas canvas(3, 3, kWhite);
    canvas.blit(DibView{}, 0, 0, 3, 3, 0, 0);
    canvas.blit(DibImage::fromFileBytes({'X', 'Y'}).view(), 0, 0, 3, 3, 0, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(canvas.pixel(x, y), kWhite);
}

TEST(SoftwareCanvasFill, FillsTheClippedRectangleOnly) {
    SoftwareCanvas canvas(6, 4);
    canvas.fill(-2, 1, 4, 10, kBlue);
    EXPECT_EQ(canvas.pixel(0, 1), kBlue);
    EXPECT_EQ(canvas.pixel(1, 3), kBlue);
    EXPECT_EQ(canvas.pixel(2, 1), 0u);
    EXPECT_EQ(canvas.pixel(0, 0), 0u);
    canvas.fill(1, 1, 0, 3, kRed);
    EXPECT_EQ(canvas.pixel(1, 1), kBlue);
}

TEST(SoftwareCanvasCopy, CopiesTheSameRectangleFromAnotherCanvas) {
    SoftwareCanvas back(8, 8);
    back.fill(0, 0, 8, 8, kGreen);
    SoftwareCanvas window(8, 8, kWhite);
    window.copyRect(back, 2, 3, 2, 2);
    EXPECT_EQ(window.pixel(2, 3), kGreen);
    EXPECT_EQ(window.pixel(3, 4), kGreen);
    EXPECT_EQ(window.pixel(4, 4), kWhite);
    EXPECT_EQ(window.pixel(2, 5), kWhite);
}

TEST(SoftwareCanvasFiles, BmpBytesReadBackAsTheSamePicture) {
    SoftwareCanvas canvas(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) canvas.fill(x, y, 1, 1, coordinateColour(x, y));
    const DibImage image = imageOf(canvas.bmpBytes());
    EXPECT_EQ(image.width(), 5);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(image.bitsPerPixel(), 24);
    SoftwareCanvas copy(5, 3);
    copy.blit(image.view(), 0, 0, 5, 3, 0, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(copy.pixel(x, y), coordinateColour(x, y));

    MemoryFiles files;
    ASSERT_TRUE(canvas.saveBmp(files, "shot.bmp"));
    EXPECT_EQ(files.contents["shot.bmp"], canvas.bmpBytes());
}

namespace {

std::uint32_t bigEndian(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

}  // namespace

TEST(SoftwareCanvasFiles, PngHasValidChunksAndStoredBlocksHoldingTheRows) {
    // Wide enough that the image data needs more than one stored block.
    SoftwareCanvas canvas(300, 80);
    canvas.fill(0, 0, 300, 80, 0x00332211);
    canvas.fill(299, 79, 1, 1, kRed);
    const std::vector<std::uint8_t> png = canvas.pngBytes();
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));

    std::vector<std::uint8_t> zlib;
    std::vector<std::string> types;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = bigEndian(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        types.push_back(type);
        ASSERT_LE(at + 12 + length, png.size());
        EXPECT_EQ(bigEndian(png, at + 8 + length), crc32(png.data() + at + 4, length + 4)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(bigEndian(png, at + 8), 300u);
            EXPECT_EQ(bigEndian(png, at + 12), 80u);
        }
        if (type == "IDAT") zlib.insert(zlib.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                        png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    // Unpack the stored blocks and compare with the expected rows.
    ASSERT_GE(zlib.size(), 6u);
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);
    std::vector<std::uint8_t> raw;
    std::size_t p = 2;
    int blocks = 0;
    bool last = false;
    while (!last) {
        ASSERT_LE(p + 5, zlib.size());
        last = zlib[p] & 1;
        const std::size_t len = zlib[p + 1] | (zlib[p + 2] << 8);
        const std::size_t nlen = zlib[p + 3] | (zlib[p + 4] << 8);
        EXPECT_EQ(len ^ 0xFFFF, nlen);
        raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(p + 5),
                   zlib.begin() + static_cast<std::ptrdiff_t>(p + 5 + len));
        p += 5 + len;
        ++blocks;
    }
    EXPECT_GT(blocks, 1);
    ASSERT_EQ(raw.size(), 80u * (1 + 300 * 3));
    EXPECT_EQ(bigEndian(zlib, p), adler32(raw.data(), raw.size()));
    EXPECT_EQ(p + 4, zlib.size());
    EXPECT_EQ(raw[0], 0);                                   // filter byte of the first row
    EXPECT_EQ(raw[1], 0x11);                                // red of the first pixel
    EXPECT_EQ(raw[3], 0x33);                                // its blue
    EXPECT_EQ(raw[raw.size() - 3], 0xFF);                   // the last pixel is red
    EXPECT_EQ(raw[raw.size() - 1], 0x00);
}

TEST(SoftwareCanvasFiles, ChecksumsMatchKnownValues) {
    const std::string text = "123456789";
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    EXPECT_EQ(crc32(data, text.size()), 0xCBF43926u);
    EXPECT_EQ(adler32(data, text.size()), 0x091E01DEu);
}
