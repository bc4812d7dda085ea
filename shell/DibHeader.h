#pragma once
// The information header of a .bmp file, read and checked: the forms of the
// Windows bitmap format this program draws, with everything the pixel rows
// need to be found and read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tintfall {

enum DibCompression : std::uint32_t { DibRgb = 0, DibRle8 = 1, DibRle4 = 2, DibBitFields = 3 };

struct DibHeader {
    std::uint32_t headerSize = 0;  // 40, 52, 56, 108 (V4) or 124 (V5)
    std::int32_t width = 0;
    std::int32_t height = 0;       // rows, whatever their order
    bool topDown = false;          // a negative height in the file
    int bits = 0;
    std::uint32_t compression = DibRgb;
    std::uint32_t imageSize = 0;
    std::int32_t xResolution = 0;
    std::int32_t yResolution = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t colourCount = 0;       // entries of the colour table
    std::size_t colourTableOffset = 0;   // in the block after the file header
    std::size_t pixelsOffset = 0;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue of 16- and 32-bit pixels

    // Bytes of one uncompressed row as stored, padded to 4 bytes.
    std::uint64_t stride() const;
    // The form drawn straight from the file: uncompressed bottom-up rows of
    // 1, 4, 8, 24 or 32 bits.
    bool isPlain() const;
};

// The header of the block after the 14-byte file header, or nothing when it
// is not one of the forms read here (an unknown header size, a size, depth,
// plane count or compression out of range, a colour table outside the block).
std::optional<DibHeader> readDibHeader(const std::uint8_t* block, std::size_t size);

}  // namespace tintfall
