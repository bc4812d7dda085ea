#pragma once
// A canvas measured in layout units over one measured in the screen's
// pixels. Pictures are held at the screen's resolution, so a copy stays a
// copy of pixels: only the rectangles are scaled, never the pixels. At 96 DPI
// every call passes through unchanged.
#include "platform/Canvas.h"
#include "platform/DisplayScale.h"

namespace tintfall {

class ScaledCanvas : public Canvas {
public:
    // Both are the caller's and must outlive this canvas; the scale is read
    // on every call, so a change of the screen's resolution takes effect at once.
    ScaledCanvas(Canvas& pixels, const DisplayScale& scale) : pixels_(pixels), scale_(scale) {}

    void blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) override;
    void fill(int x, int y, int width, int height, ColourRef colour) override;

private:
    Canvas& pixels_;
    const DisplayScale& scale_;
};

}  // namespace tintfall
