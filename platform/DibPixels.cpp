#include "platform/DibPixels.h"

namespace tintfall {
namespace {

ColourRef fromBgr(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    return static_cast<ColourRef>(red) | (static_cast<ColourRef>(green) << 8) | (static_cast<ColourRef>(blue) << 16);
}

}  // namespace

bool dibPixel(const DibView& image, int x, int y, ColourRef& colour) {
    if (image.empty() || x < 0 || y < 0 || x >= image.width || y >= image.height) return false;
    const std::size_t rowStart = static_cast<std::size_t>(image.height - 1 - y) * image.stride;
    const std::size_t column = static_cast<std::size_t>(x);
    std::size_t byteOffset = 0;
    switch (image.bitsPerPixel) {
        case 1: byteOffset = rowStart + column / 8; break;
        case 4: byteOffset = rowStart + column / 2; break;
        case 8: byteOffset = rowStart + column; break;
        case 24: byteOffset = rowStart + column * 3 + 2; break;
        case 32: byteOffset = rowStart + column * 4 + 2; break;
        default: return false;
    }
    if (byteOffset >= image.pixelBytes) return false;
    const std::uint8_t* p = image.pixels;
    if (image.bitsPerPixel >= 24) {
        const std::size_t first = byteOffset - 2;
        colour = fromBgr(p[first], p[first + 1], p[first + 2]);
        return true;
    }
    std::uint32_t index = p[byteOffset];
    if (image.bitsPerPixel == 1) index = (index >> (7 - column % 8)) & 1u;
    if (image.bitsPerPixel == 4) index = (column % 2 == 0) ? index >> 4 : index & 0x0Fu;
    // An index past the colour table shows black rather than reading beyond it.
    if (index >= image.colourCount || image.colourTable == nullptr) {
        colour = 0;
        return true;
    }
    const std::uint8_t* entry = image.colourTable + 4 * index;
    colour = fromBgr(entry[0], entry[1], entry[2]);
    return true;
}

}  // namespace tintfall
