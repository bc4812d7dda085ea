#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "shell/DibImage.h"
#include "tests/unit/shell/BitmapForms.h"
#include "tests/unit/shell/BitmapShape.h"

namespace tintfall {
namespace {

// 0xRRGGBB at (x, y) from the top-left, as the drawing code reads it.
std::uint32_t colourAt(const DibView& v, int x, int y) {
    const std::uint8_t* row = v.pixels + static_cast<std::size_t>(v.height - 1 - y) * v.stride;
    if (v.bitsPerPixel >= 24) {
        const std::uint8_t* p = row + static_cast<std::size_t>(x * v.bitsPerPixel / 8);
        return static_cast<std::uint32_t>(p[2] << 16 | p[1] << 8 | p[0]);
    }
    const int bit = x * v.bitsPerPixel;
    const int shift = 8 - v.bitsPerPixel - bit % 8;
    const std::uint32_t index = (row[bit / 8] >> shift) & ((1u << v.bitsPerPixel) - 1u);
    if (index >= v.colourCount) return 0xDEADu;
    const std::uint8_t* c = v.colourTable + 4 * index;
    return static_cast<std::uint32_t>(c[2] << 16 | c[1] << 8 | c[0]);
}

TEST(DibImageForms, EveryUsualFormDrawsThePictureTheRightWayUp) {
    for (const BitmapForm& form : everyBitmapForm()) {
        const DibImage image = DibImage::fromFileBytes(writeForm(form));
        ASSERT_FALSE(image.empty()) << form.name;
        const DibView v = image.view();
        EXPECT_EQ(v.width, kFormWidth) << form.name;
        ASSERT_EQ(v.height, kFormHeight) << form.name;
        // What the drawing call gets is always the plain form.
        EXPECT_EQ(get32(image.block(), 16), 0u) << form.name;
        EXPECT_EQ(v.stride * static_cast<std::size_t>(v.height), v.pixelBytes) << form.name;
        EXPECT_EQ(v.pixels + v.pixelBytes, image.block().data() + image.block().size()) << form.name;
        for (int y = 0; y < kFormHeight; ++y)
            for (int x = 0; x < kFormWidth; ++x)
                EXPECT_EQ(colourAt(v, x, y), formColour(x, y, form.bits)) << form.name << " at " << x << "," << y;
    }
}

TEST(DibImageForms, ConvertedFormsGetAFortyByteHeaderAndKeepTheirPalette) {
    BitmapForm rle4;
    rle4.bits = 4;
    rle4.compression = 2;
    const DibImage runs = DibImage::fromFileBytes(writeForm(rle4));
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(get32(runs.block(), 0), 40u);
    EXPECT_EQ(runs.bitsPerPixel(), 8);
    ASSERT_EQ(runs.colourCount(), 256u);  // made up with black
    const std::uint8_t* table = runs.view().colourTable;
    EXPECT_EQ(table[4 * 1 + 2], 0xFF);  // entry 1 is red, as in the file
    EXPECT_EQ(table[4 * 16] | table[4 * 16 + 1] | table[4 * 16 + 2], 0);
    EXPECT_EQ(runs.view().colourTable, runs.view().info + 40);

    BitmapForm fields;
    fields.bits = 16;
    fields.compression = 3;
    fields.headerSize = 124;
    fields.masks = {0xF800, 0x07E0, 0x001F, 0};
    const DibImage packed = DibImage::fromFileBytes(writeForm(fields));
    ASSERT_FALSE(packed.empty());
    EXPECT_EQ(get32(packed.block(), 0), 40u);
    EXPECT_EQ(packed.bitsPerPixel(), 24);
    EXPECT_EQ(packed.colourCount(), 0u);
    EXPECT_EQ(get32(packed.block(), 20), packed.view().pixelBytes);
}

TEST(DibImageForms, RunsMayJumpStopEarlyAndStrayOutsideTheImage) {
    BitmapForm form;
    form.bits = 8;
    form.compression = 1;
    std::vector<std::uint8_t> file = writeForm(form);
    const std::size_t runs = get32(file, 10);
    file.resize(runs);
    // Bottom row: a run of 9 pixels of colour 2 (4 beyond the width), then a
    // jump of 1 right and 1 up, one pixel of colour 3, and the data ends.
    for (std::uint8_t b : {9, 2, 0, 2, 1, 1, 1, 3}) file.push_back(b);
    const DibImage image = DibImage::fromFileBytes(file);
    ASSERT_FALSE(image.empty());
    const DibView v = image.view();
    for (int x = 0; x < kFormWidth; ++x) EXPECT_EQ(colourAt(v, x, 2), kFormPalette[2]) << x;
    // The jump lands outside the image (x 10), so the pixel after it is
    // dropped, and the rows never reached stay colour 0.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < kFormWidth; ++x) EXPECT_EQ(colourAt(v, x, y), kFormPalette[0]) << x << "," << y;
}

TEST(DibImageColourTable, EightBitWithColoursUsedZeroGetsFullTable) {
    std::vector<std::uint8_t> file = makeBitmap({4, 2, 8, 0, 256});
    DibImage image = DibImage::fromFileBytes(file);
    ASSERT_FALSE(image.empty());
    DibView v = image.view();
    EXPECT_EQ(v.colourCount, 256u);
    EXPECT_EQ(v.colourTable, v.info + 40);
    EXPECT_EQ(v.pixels, v.info + 40 + 1024);
    EXPECT_EQ(v.pixels[0], 0xA0);
    EXPECT_EQ(v.stride, 4u);
    EXPECT_EQ(v.pixelBytes, 8u);
    // The colours-used field is filled in for the drawing call.
    EXPECT_EQ(get32(image.block(), 32), 256u);
}

TEST(DibImageColourTable, ColoursUsedShortensTheTable) {
    std::vector<std::uint8_t> file = makeBitmap({4, 2, 8, 16, 16});
    DibImage image = DibImage::fromFileBytes(file);
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image.view().colourCount, 16u);
    EXPECT_EQ(image.view().pixels, image.view().info + 40 + 64);
    EXPECT_EQ(image.view().pixels[0], 0xA0);
}

TEST(DibImageColourTable, LowDepthsGetTwoAndSixteenEntries) {
    DibImage one = DibImage::fromFileBytes(makeBitmap({9, 3, 1, 0, 2}));
    ASSERT_FALSE(one.empty());
    EXPECT_EQ(one.view().colourCount, 2u);
    EXPECT_EQ(one.view().stride, 4u);
    DibImage four = DibImage::fromFileBytes(makeBitmap({9, 3, 4, 0, 16}));
    ASSERT_FALSE(four.empty());
    EXPECT_EQ(four.view().colourCount, 16u);
    EXPECT_EQ(four.view().stride, 8u);
}

TEST(DibImageColourTable, TrueColourHasNoTable) {
    for (int bits : {24, 32}) {
        DibImage image = DibImage::fromFileBytes(makeBitmap({3, 2, bits, 0, 0}));
        ASSERT_FALSE(image.empty()) << bits;
        DibView v = image.view();
        EXPECT_EQ(v.colourCount, 0u);
        EXPECT_EQ(v.pixels, v.info + 40);
        EXPECT_EQ(v.width, 3);
        EXPECT_EQ(v.height, 2);
        EXPECT_EQ(v.bitsPerPixel, bits);
        EXPECT_EQ(v.stride, 12u);  // 9 bytes padded, 12 bytes
        EXPECT_EQ(get32(image.block(), 32), 0u);
    }
}

TEST(DibImageFixUps, ZeroImageSizeBecomesThePixelByteCount) {
    DibImage image = DibImage::fromFileBytes(makeBitmap({3, 2, 24, 0, 0}));
    EXPECT_EQ(get32(image.block(), 20), 24u);
    std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
    put32(file, 34, 777);
    EXPECT_EQ(get32(DibImage::fromFileBytes(file).block(), 20), 777u);
}

TEST(DibImageFixUps, PixelDataOffsetOfTheFileHeaderIsIgnored) {
    std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
    put32(file, 10, 0xFFFFFFF0u);
    DibImage image = DibImage::fromFileBytes(file);
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image.view().pixels[0], 0xA0);
}

TEST(DibImageFixUps, ExtraBytesAfterThePixelsAreAccepted) {
    std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
    file.resize(file.size() + 10, 0);
    EXPECT_FALSE(DibImage::fromFileBytes(file).empty());
}

TEST(DibImageRejects, FilesThatAreNotBitmaps) {
    EXPECT_TRUE(DibImage::fromFileBytes({}).empty());
    EXPECT_TRUE(DibImage::fromFileBytes({'B'}).empty());
    EXPECT_TRUE(DibImage::fromFileBytes({'B', 'M', 0, 0}).empty());
    std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
    file[1] = 'A';
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    file[0] = 'M';
    file[1] = 'B';
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
}

TEST(DibImageRejects, EmptyImageGivesEmptyView) {
    DibImage image;
    EXPECT_TRUE(image.empty());
    DibView v = image.view();
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.info, nullptr);
    EXPECT_EQ(v.pixels, nullptr);
}

TEST(DibImageRejects, HeaderSizes) {
    for (std::uint32_t size : {0u, 12u, 39u, 41u, 64u, 0xFFFFFFFFu}) {
        std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
        put32(file, 14, size);
        EXPECT_TRUE(DibImage::fromFileBytes(file).empty()) << size;
    }
    // A known size that reaches past the end of the file.
    std::vector<std::uint8_t> file = makeBitmap({1, 1, 24, 0, 0});
    put32(file, 14, 124);
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    // Truncated inside the information header.
    file = makeBitmap({3, 2, 24, 0, 0});
    file.resize(30);
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
}

TEST(DibImageRejects, WidthAndHeight) {
    // A negative height is a top-down image of that many rows.
    const std::int64_t bad[] = {0, -1, -2, DibImage::kMaxSide + 1, -DibImage::kMaxSide - 1, 0x7FFFFFFF, -0x7FFFFFFF - 1};
    for (std::int64_t value : bad) {
        std::vector<std::uint8_t> wide = makeBitmap({3, 2, 24, 0, 0});
        put32(wide, 18, static_cast<std::uint32_t>(value));
        EXPECT_TRUE(DibImage::fromFileBytes(wide).empty()) << "width " << value;
        if (value == -1 || value == -2) continue;
        std::vector<std::uint8_t> high = makeBitmap({3, 2, 24, 0, 0});
        put32(high, 22, static_cast<std::uint32_t>(value));
        EXPECT_TRUE(DibImage::fromFileBytes(high).empty()) << "height " << value;
    }
}

TEST(DibImageRejects, BitDepthPlanesAndCompression) {
    for (std::uint32_t bits : {0u, 2u, 48u, 0xFFFFu}) {
        std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
        put16(file, 28, bits);
        EXPECT_TRUE(DibImage::fromFileBytes(file).empty()) << bits;
    }
    std::vector<std::uint8_t> planes = makeBitmap({3, 2, 24, 0, 0});
    put16(planes, 26, 2);
    EXPECT_TRUE(DibImage::fromFileBytes(planes).empty());
    // Run lengths only with their own depth, bit fields only with 16 or 32
    // bits, no JPEG, PNG or other compression.
    for (std::uint32_t compression : {1u, 2u, 3u, 4u, 5u, 6u, 11u}) {
        std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
        put32(file, 30, compression);
        EXPECT_TRUE(DibImage::fromFileBytes(file).empty()) << compression;
    }
    BitmapForm rle8;
    rle8.bits = 8;
    rle8.compression = 1;
    std::vector<std::uint8_t> runs = writeForm(rle8);
    put16(runs, 28, 4);
    EXPECT_TRUE(DibImage::fromFileBytes(runs).empty());
}

TEST(DibImageRejects, HostileFormsOfTheNewKinds) {
    BitmapForm rle8;
    rle8.bits = 8;
    rle8.compression = 1;
    // Run lengths stored top-down.
    std::vector<std::uint8_t> file = writeForm(rle8);
    put32(file, 22, static_cast<std::uint32_t>(-kFormHeight));
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    // A few bytes of runs claiming a huge picture.
    file = writeForm(rle8);
    put32(file, 18, DibImage::kMaxSide);
    put32(file, 22, DibImage::kMaxSide);
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    // A bit field without bits, and masks cut off by the end of the file.
    BitmapForm fields;
    fields.bits = 16;
    fields.compression = 3;
    fields.masks = {0xF800, 0, 0x001F, 0};
    EXPECT_TRUE(DibImage::fromFileBytes(writeForm(fields)).empty());
    fields.masks = {0xF800, 0x07E0, 0x001F, 0};
    file = writeForm(fields);
    file.resize(14 + 40 + 8);
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    // Top-down and 16-bit rows reaching past the end of the file.
    for (BitmapForm form : everyBitmapForm()) {
        if (form.compression == 1 || form.compression == 2) continue;
        file = writeForm(form);
        file.pop_back();
        EXPECT_TRUE(DibImage::fromFileBytes(file).empty()) << form.name;
    }
}

TEST(DibImageRejects, ColourTableOutsideTheFile) {
    // An 8-bit file written with a 16-entry table but claiming the full one.
    EXPECT_TRUE(DibImage::fromFileBytes(makeBitmap({4, 2, 8, 0, 16})).empty());
    for (std::uint32_t used : {257u, 0x40000000u, 0xFFFFFFFFu}) {
        std::vector<std::uint8_t> file = makeBitmap({4, 2, 8, 256, 256});
        put32(file, 46, used);
        EXPECT_TRUE(DibImage::fromFileBytes(file).empty()) << used;
    }
}

TEST(DibImageRejects, PixelRowsOutsideTheFile) {
    std::vector<std::uint8_t> file = makeBitmap({3, 2, 24, 0, 0});
    file.pop_back();
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    // A large image in a small file.
    file = makeBitmap({3, 2, 24, 0, 0});
    put32(file, 18, DibImage::kMaxSide);
    put32(file, 22, DibImage::kMaxSide);
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
    // A 24-bit file whose colours-used field pushes the pixels past the end.
    file = makeBitmap({3, 2, 24, 0, 0});
    put32(file, 46, 1);
    EXPECT_TRUE(DibImage::fromFileBytes(file).empty());
}

TEST(DibImageCopies, ViewFollowsTheImageItBelongsTo) {
    DibImage original = DibImage::fromFileBytes(makeBitmap({3, 2, 24, 0, 0}));
    DibImage copy = original;
    DibImage moved = std::move(original);
    EXPECT_EQ(copy.view().info, copy.block().data());
    EXPECT_EQ(moved.view().info, moved.block().data());
    EXPECT_NE(copy.view().pixels, moved.view().pixels);
    EXPECT_EQ(copy.view().pixels[0], moved.view().pixels[0]);
}

}  // namespace
}  // namespace tintfall
