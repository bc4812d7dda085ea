#pragma once
// One small picture written in every usual form of the .bmp format, as
// paint programs save it, for the reader tests and the fuzzer's seeds.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tintfall {
namespace {

struct BitmapForm {
    std::string name;
    int bits = 24;
    std::uint32_t compression = 0;  // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields
    std::uint32_t headerSize = 40;  // 40, 108 (V4) or 124 (V5)
    bool topDown = false;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha of bit-field forms
};

// 0xRRGGBB; every channel 0 or 255, so 5- and 6-bit channels hold it exactly.
constexpr std::array<std::uint32_t, 8> kFormPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                      0xFFFFFF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
constexpr int kFormWidth = 5;  // odd, so rows need padding
constexpr int kFormHeight = 3;

// The palette index at (x, y) from the top-left for a depth.
inline int formIndex(int x, int y, int bits) { return (x + 3 * y) % (bits == 1 ? 2 : 8); }
inline std::uint32_t formColour(int x, int y, int bits) { return kFormPalette[static_cast<std::size_t>(formIndex(x, y, bits))]; }

inline void add16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void add32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    add16(b, v & 0xFFFF);
    add16(b, v >> 16);
}

// A channel of 0xRRGGBB placed under its mask.
inline std::uint32_t underMask(std::uint32_t rgb, int shift, std::uint32_t mask) {
    if (mask == 0) return 0;
    std::uint32_t value = (rgb >> shift) & 0xFF;
    int low = 0;
    while (((mask >> low) & 1u) == 0) ++low;
    const std::uint32_t top = mask >> low;
    return ((value * top + 127) / 255) << low & mask;
}

// The pixel rows of one row (from the top) of an uncompressed form.
inline void addRow(std::vector<std::uint8_t>& b, const BitmapForm& f, int y) {
    const std::size_t start = b.size();
    if (f.bits <= 8) {
        int bitsUsed = 0;
        std::uint8_t current = 0;
        for (int x = 0; x < kFormWidth; ++x) {
            current = static_cast<std::uint8_t>(current << f.bits | formIndex(x, y, f.bits));
            bitsUsed += f.bits;
            if (bitsUsed == 8) {
                b.push_back(current);
                bitsUsed = 0;
                current = 0;
            }
        }
        if (bitsUsed != 0) b.push_back(static_cast<std::uint8_t>(current << (8 - bitsUsed)));
    } else {
        for (int x = 0; x < kFormWidth; ++x) {
            const std::uint32_t rgb = formColour(x, y, f.bits);
            std::array<std::uint32_t, 4> masks = f.masks;
            if (f.compression == 0 && f.bits == 16) masks = {0x7C00, 0x03E0, 0x001F, 0};
            if (f.compression == 0 && f.bits != 16) {
                b.push_back(static_cast<std::uint8_t>(rgb));
                b.push_back(static_cast<std::uint8_t>(rgb >> 8));
                b.push_back(static_cast<std::uint8_t>(rgb >> 16));
                if (f.bits == 32) b.push_back(0);
                continue;
            }
            const std::uint32_t pixel =
                underMask(rgb, 16, masks[0]) | underMask(rgb, 8, masks[1]) | underMask(rgb, 0, masks[2]) | masks[3];
            if (f.bits == 16) add16(b, pixel);
            else add32(b, pixel);
        }
    }
    while ((b.size() - start) % 4 != 0) b.push_back(0);
}

// Run-length rows from the bottom: the first three pixels as an absolute
// run, then encoded runs (for 4 bits one run of two alternating pixels).
inline void addRuns(std::vector<std::uint8_t>& b, const BitmapForm& f, int y) {
    const bool nibbles = f.bits == 4;
    b.push_back(0);
    b.push_back(3);
    if (nibbles) {
        b.push_back(static_cast<std::uint8_t>(formIndex(0, y, 4) << 4 | formIndex(1, y, 4)));
        b.push_back(static_cast<std::uint8_t>(formIndex(2, y, 4) << 4));
        b.push_back(2);
        b.push_back(static_cast<std::uint8_t>(formIndex(3, y, 4) << 4 | formIndex(4, y, 4)));
    } else {
        for (int x = 0; x < 3; ++x) b.push_back(static_cast<std::uint8_t>(formIndex(x, y, 8)));
        b.push_back(0);  // an absolute run ends on a 16-bit boundary
        for (int x = 3; x < kFormWidth; ++x) {
            b.push_back(1);
            b.push_back(static_cast<std::uint8_t>(formIndex(x, y, 8)));
        }
    }
    b.push_back(0);
    b.push_back(y == 0 ? 1 : 0);  // end of bitmap after the top row, else end of line
}

inline std::vector<std::uint8_t> writeForm(const BitmapForm& f) {
    std::vector<std::uint8_t> header;
    add32(header, f.headerSize);
    add32(header, kFormWidth);
    add32(header, static_cast<std::uint32_t>(f.topDown ? -kFormHeight : kFormHeight));
    add16(header, 1);
    add16(header, static_cast<std::uint32_t>(f.bits));
    add32(header, f.compression);
    add32(header, 0);     // image size: derived
    add32(header, 2835);  // 72 dpi
    add32(header, 2835);
    add32(header, 0);     // colours used: the full table
    add32(header, 0);
    std::vector<std::uint8_t> masks;
    if (f.compression == 3)
        for (std::uint32_t m : f.masks) add32(masks, m);
    if (f.headerSize > 40) {
        std::vector<std::uint8_t> rest = masks;
        rest.resize(f.headerSize - 40, 0);
        rest[16] = 'B', rest[17] = 'G', rest[18] = 'R', rest[19] = 's';  // sRGB colour space
        header.insert(header.end(), rest.begin(), rest.end());
    } else if (f.compression == 3) {
        header.insert(header.end(), masks.begin(), masks.begin() + 12);
    }
    if (f.bits <= 8) {
        for (std::size_t i = 0; i < (1u << f.bits); ++i) {
            const std::uint32_t rgb = i < kFormPalette.size() ? kFormPalette[i] : 0x123456;
            add32(header, rgb);
        }
    }
    std::vector<std::uint8_t> pixels;
    for (int row = 0; row < kFormHeight; ++row) {
        // Stored from the bottom unless top-down.
        const int y = f.topDown ? row : kFormHeight - 1 - row;
        if (f.compression == 1 || f.compression == 2) addRuns(pixels, f, y);
        else addRow(pixels, f, y);
    }
    std::vector<std::uint8_t> file = {'B', 'M'};
    add32(file, static_cast<std::uint32_t>(14 + header.size() + pixels.size()));
    add32(file, 0);
    add32(file, static_cast<std::uint32_t>(14 + header.size()));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

inline std::vector<BitmapForm> everyBitmapForm() {
    std::vector<BitmapForm> forms;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        for (bool topDown : {false, true}) {
            BitmapForm f;
            f.name = std::to_string(bits) + (topDown ? "-topdown" : "");
            f.bits = bits;
            f.topDown = topDown;
            forms.push_back(f);
        }
    }
    BitmapForm f;
    f.name = "rle8";
    f.bits = 8;
    f.compression = 1;
    forms.push_back(f);
    f.name = "rle4";
    f.bits = 4;
    f.compression = 2;
    forms.push_back(f);
    f.compression = 3;
    f.name = "16-565";
    f.bits = 16;
    f.masks = {0xF800, 0x07E0, 0x001F, 0};
    forms.push_back(f);
    f.name = "16-555-v4";
    f.headerSize = 108;
    f.masks = {0x7C00, 0x03E0, 0x001F, 0};
    forms.push_back(f);
    f.name = "32-bgra-v5";
    f.bits = 32;
    f.headerSize = 124;
    f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
    forms.push_back(f);
    f.name = "32-fields-topdown";
    f.headerSize = 40;
    f.topDown = true;
    f.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    forms.push_back(f);
    f = BitmapForm{};
    f.name = "24-v5";
    f.headerSize = 124;
    forms.push_back(f);
    f.name = "8-v4-topdown";
    f.bits = 8;
    f.headerSize = 108;
    f.topDown = true;
    forms.push_back(f);
    return forms;
}

}  // namespace
}  // namespace tintfall
