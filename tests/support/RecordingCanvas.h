#pragma once
// A canvas that keeps every call instead of drawing: which image, which
// source and destination rectangle, or which fill. Tests compare the list
// with the drawing order they expect.
#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace tintfall {

struct CanvasCall {
    enum Kind { Blit, Fill } kind = Blit;
    const std::uint8_t* image = nullptr;  // the image's pixels: its identity
    int srcX = 0;
    int srcY = 0;
    int width = 0;
    int height = 0;
    int dstX = 0;
    int dstY = 0;
    ColourRef colour = 0;  // fills only

    bool operator==(const CanvasCall& other) const;
};

class RecordingCanvas : public Canvas {
public:
    void blit(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY) override;
    void fill(int x, int y, int width, int height, ColourRef colour) override;

    std::vector<CanvasCall> calls;
};

CanvasCall blitCall(const DibView& image, int srcX, int srcY, int width, int height, int dstX, int dstY);
CanvasCall fillCall(int x, int y, int width, int height, ColourRef colour);

}  // namespace tintfall
