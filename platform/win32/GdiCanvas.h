#pragma once
// A canvas over a device context: blits with StretchDIBits 1:1, fills with
// FillRect. The device context is asked for on every operation, so the same
// canvas serves a memory context and the window's own.
#include <windows.h>

#include <functional>

#include "platform/Canvas.h"

namespace tintfall {

class GdiCanvas : public Canvas {
public:
    // Returns the context to draw into, and gives it back after the operation.
    using Acquire = std::function<HDC()>;
    using Release = std::function<void(HDC)>;
    GdiCanvas(Acquire acquire, Release release) : acquire_(std::move(acquire)), release_(std::move(release)) {}

    void blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) override;
    void fill(int x, int y, int width, int height, ColourRef colour) override;

private:
    Acquire acquire_;
    Release release_;
};

}  // namespace tintfall
