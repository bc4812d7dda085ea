#pragma once
// Hand-built .bmp files and an in-memory file store for the drawing tests.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/DataWriter.h"
#include "tests/support/MemoryFiles.h"

namespace tintfall::test {

// A whole .bmp file. pixelIndexOrColour(x, y), y counted from the top, gives
// the palette index for 1, 4 and 8 bits or 0x00BBGGRR for 24 and 32 bits.
inline std::vector<std::uint8_t> makeBmp(int width, int height, int bits,
                                         const std::function<std::uint32_t(int, int)>& pixelIndexOrColour,
                                         const std::vector<ColourRef>& palette = {}) {
    const std::uint32_t stride = ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) + 31) / 32) * 4;
    const std::uint32_t paletteBytes = static_cast<std::uint32_t>(palette.size()) * 4;
    DataWriter out;
    out.writeByte('B');
    out.writeByte('M');
    out.writeUint32(14 + 40 + paletteBytes + stride * static_cast<std::uint32_t>(height));
    out.writeUint32(0);
    out.writeUint32(14 + 40 + paletteBytes);
    out.writeUint32(40);
    out.writeInt32(width);
    out.writeInt32(height);
    out.writeUint16(1);
    out.writeUint16(static_cast<std::uint16_t>(bits));
    out.writeUint32(0);
    out.writeUint32(0);
    out.writeInt32(0);
    out.writeInt32(0);
    out.writeUint32(static_cast<std::uint32_t>(palette.size()));
    out.writeUint32(0);
    for (ColourRef c : palette) {
        out.writeByte(static_cast<std::uint8_t>(c >> 16));
        out.writeByte(static_cast<std::uint8_t>(c >> 8));
        out.writeByte(static_cast<std::uint8_t>(c));
        out.writeByte(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixelIndexOrColour(x, y);
            const std::size_t ux = static_cast<std::size_t>(x);
            switch (bits) {
                case 1: row[ux / 8] |= static_cast<std::uint8_t>((v & 1u) << (7 - ux % 8)); break;
                case 4: row[ux / 2] |= static_cast<std::uint8_t>((v & 15u) << (ux % 2 == 0 ? 4 : 0)); break;
                case 8: row[ux] = static_cast<std::uint8_t>(v); break;
                default: {
                    const std::size_t at = ux * static_cast<std::size_t>(bits / 8);
                    row[at] = static_cast<std::uint8_t>(v >> 16);
                    row[at + 1] = static_cast<std::uint8_t>(v >> 8);
                    row[at + 2] = static_cast<std::uint8_t>(v);
                }
            }
        }
        out.writeBytes(row);
    }
    return out.bytes();
}

}  // namespace tintfall::test
