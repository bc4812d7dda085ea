#include "tests/support/RecordingCanvas.h"

namespace tintfall {

bool CanvasCall::operator==(const CanvasCall& o) const {
    return kind == o.kind && image == o.image && srcX == o.srcX && srcY == o.srcY && width == o.width &&
           height == o.height && dstX == o.dstX && dstY == o.dstY && colour == o.colour;
}

CanvasCall blitCall(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    CanvasCall call;
    call.kind = CanvasCall::Blit;
    call.image = image.pixels;
    call.srcX = srcX;
    call.srcY = srcY;
    call.width = width;
    call.height = height;
    call.dstX = dstX;
    call.dstY = dstY;
    return call;
}

CanvasCall fillCall(int x, int y, int width, int height, ColourRef colour) {
    CanvasCall call;
    call.kind = CanvasCall::Fill;
    call.width = width;
    call.height = height;
    call.dstX = x;
    call.dstY = y;
    call.colour = colour;
    return call;
}

void RecordingCanvas::blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) {
    calls.push_back(blitCall(image, srcX, srcY, width, height, dstX, dstY));
}

void RecordingCanvas::fill(int x, int y, int width, int height, ColourRef colour) {
    calls.push_back(fillCall(x, y, width, height, colour));
}

}  // namespace tintfall
