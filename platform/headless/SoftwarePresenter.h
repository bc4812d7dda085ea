#pragma once
// Presents by copying from a software back buffer into a software window,
// as the window's paint does from the back bitmap. The rectangles come in
// layout units; the canvases hold the screen's pixels at the given scale.
#include "platform/DisplayScale.h"
#include "platform/WindowPresenter.h"
#include "platform/headless/SoftwareCanvas.h"

namespace tintfall {

class SoftwarePresenter : public WindowPresenter {
public:
    SoftwarePresenter(const SoftwareCanvas& back, SoftwareCanvas& window, DisplayScale scale = {})
        : back_(back), window_(window), scale_(scale) {}
    void present(const Rect& area) override {
        window_.copyRect(back_, scale_.toPixels(area.x), scale_.toPixels(area.y), scale_.spanPixels(area.x, area.width),
                         scale_.spanPixels(area.y, area.height));
    }

private:
    const SoftwareCanvas& back_;
    SoftwareCanvas& window_;
    DisplayScale scale_;
};

}  // namespace tintfall
