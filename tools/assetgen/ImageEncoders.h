#pragma once
// File forms of the generated pictures: .bmp at 24 bits, or paletted at 4
// or 8 bits with a palette chosen from the picture itself; .ico and .cur
// with 32-bit images and their masks.
#include <cstdint>
#include <vector>

#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

std::vector<std::uint8_t> encodeBmp24(const Picture& picture);
// bits is 4 or 8. The palette holds the picture's colours when they fit,
// otherwise a median-cut reduction of them; colours-used gives its size.
std::vector<std::uint8_t> encodeBmpPaletted(const Picture& picture, int bits);

struct CursorImage {
    const Picture* picture;
    int hotspotX = 0;  // cursors only
    int hotspotY = 0;
};
std::vector<std::uint8_t> encodeIcon(const std::vector<CursorImage>& images);
std::vector<std::uint8_t> encodeCursor(const CursorImage& image);

// The palette a paletted encoding would use, for tests: colours 0xRRGGBB.
std::vector<std::uint32_t> choosePalette(const Picture& picture, std::size_t maxColours);

}  // namespace tintfall::assetgen
