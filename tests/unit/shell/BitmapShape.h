#pragma once
// Hand-built .bmp files for the reader and asset store tests.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tintfall {
namespace {

inline void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (b[at + 3] << 24));
}

// A well-formed file of the given shape; its fields are then spoiled one at
// a time by the tests. File offsets: 14 info header, 18 width, 22 height,
// 26 planes, 28 bits, 30 compression, 34 image size, 46 colours used.
struct BitmapShape {
    int width = 3;
    int height = 2;
    int bits = 24;
    std::uint32_t coloursUsed = 0;
    std::uint32_t tableEntries = 0;  // entries actually written
};

inline std::vector<std::uint8_t> makeBitmap(const BitmapShape& shape) {
    const std::size_t stride = ((static_cast<std::size_t>(shape.width) * shape.bits + 31) / 32) * 4;
    const std::size_t pixels = stride * static_cast<std::size_t>(shape.height);
    std::vector<std::uint8_t> b(14 + 40 + 4 * shape.tableEntries + pixels, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 10, 14 + 40 + 4 * shape.tableEntries);
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(shape.width));
    put32(b, 22, static_cast<std::uint32_t>(shape.height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<std::uint32_t>(shape.bits));
    put32(b, 46, shape.coloursUsed);
    for (std::size_t i = 0; i < 4 * shape.tableEntries; ++i) b[54 + i] = static_cast<std::uint8_t>(i);
    for (std::size_t i = 0; i < pixels; ++i) b[54 + 4 * shape.tableEntries + i] = static_cast<std::uint8_t>(0xA0 + i);
    return b;
}

}  // namespace
}  // namespace tintfall
