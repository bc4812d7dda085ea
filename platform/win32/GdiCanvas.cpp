#include "platform/win32/GdiCanvas.h"

#include <algorithm>

namespace tintfall {

void GdiCanvas::blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    if (image.empty() || image.info == nullptr) return;
    // Clip the source to the image; the destination moves with it.
    if (srcX < 0) { dstX -= srcX; width += srcX; srcX = 0; }
    if (srcY < 0) { dstY -= srcY; height += srcY; srcY = 0; }
    width = std::min(width, image.width - srcX);
    height = std::min(height, image.height - srcY);
    if (width <= 0 || height <= 0) return;
    HDC dc = acquire_();
    if (dc == nullptr) return;
    // Rows are stored bottom-up, so the source is measured from the bottom row.
    const int srcBottom = image.height - srcY - height;
    StretchDIBits(dc, dstX, dstY, width, height, srcX, srcBottom, width, height, image.pixels,
                  reinterpret_cast<const BITMAPINFO*>(image.info), DIB_RGB_COLORS, SRCCOPY);
    release_(dc);
}

void GdiCanvas::fill(int x, int y, int width, int height, ColourRef colour) {
    if (width <= 0 || height <= 0) return;
    HDC dc = acquire_();
    if (dc == nullptr) return;
    HBRUSH brush = CreateSolidBrush(colour);
    RECT rect{x, y, x + width, y + height};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    release_(dc);
}

}  // namespace tintfall
