#pragma once
// Drawing target of the renderer: 1:1 copies of rectangles of device-
// independent bitmaps and solid fills. Source rectangles are measured from
// the image's top-left corner; the canvas converts them for the bottom-up
// row order of the stored pixels.
#include <cstddef>
#include <cstdint>

#include "platform/DisplayScale.h"

namespace tintfall {

// A parsed device-independent bitmap as held in memory: the information
// header with its colour table, and the pixel rows, bottom-up.
struct DibView {
    const std::uint8_t* info = nullptr;          // BITMAPINFOHEADER + colour table
    std::size_t infoSize = 0;
    const std::uint8_t* colourTable = nullptr;   // 4 bytes (B, G, R, 0) per colour
    std::uint32_t colourCount = 0;
    const std::uint8_t* pixels = nullptr;
    std::size_t pixelBytes = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;                     // rows, stored bottom-up
    int bitsPerPixel = 0;                        // 1, 4, 8, 24 or 32
    std::size_t stride = 0;                      // bytes per row, 4-byte aligned
    // The resolution the picture was made for: a picture of the layout
    // scaled for the screen has width and height in the screen's pixels.
    DisplayScale scale;

    bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
    // Whether the image holds every pixel of this rectangle, measured in
    // layout units from its top-left corner, so that a copy of it paints its
    // whole destination.
    bool holds(int x, int y, int rectWidth, int rectHeight) const {
        return !empty() && info != nullptr && x >= 0 && y >= 0 && scale.toPixels(x + rectWidth) <= width &&
               scale.toPixels(y + rectHeight) <= height && pixelBytes >= stride * static_cast<std::size_t>(height);
    }
};

// Colour as 0x00BBGGRR (red in the low byte).
using ColourRef = std::uint32_t;

class Canvas {
public:
    virtual ~Canvas() = default;
    // Copies width x height pixels from (srcX, srcY) of the image to (dstX, dstY).
    // Parts outside the image or the canvas are clipped; an empty image draws nothing.
    virtual void blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) = 0;
    virtual void fill(int x, int y, int width, int height, ColourRef colour) = 0;
};

}  // namespace tintfall
