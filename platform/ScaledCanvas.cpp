#include "platform/ScaledCanvas.h"

namespace tintfall {

void ScaledCanvas::blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    if (scale_.identity() && image.scale.identity()) {
        pixels_.blit(image, srcX, srcY, width, height, dstX, dstY);
        return;
    }
    // The destination's edges decide the size; at a scale in between two
    // rectangles of one size in units may differ by a pixel.
    pixels_.blit(image, image.scale.toPixels(srcX), image.scale.toPixels(srcY), scale_.spanPixels(dstX, width),
                 scale_.spanPixels(dstY, height), scale_.toPixels(dstX), scale_.toPixels(dstY));
}

void ScaledCanvas::fill(int x, int y, int width, int height, ColourRef colour) {
    pixels_.fill(scale_.toPixels(x), scale_.toPixels(y), scale_.spanPixels(x, width), scale_.spanPixels(y, height),
                 colour);
}

}  // namespace tintfall
