#pragma once
// Presents by copying from a software back buffer into a software window,
// as the window's paint does from the back bitmap.
#include "platform/headless/SoftwareCanvas.h"
#include "shell/Renderer.h"

namespace tintfall {

class SoftwarePresenter : public WindowPresenter {
public:
    SoftwarePresenter(const SoftwareCanvas& back, SoftwareCanvas& window) : back_(back), window_(window) {}
    void present(const Rect& area) override { window_.copyRect(back_, area.x, area.y, area.width, area.height); }

private:
    const SoftwareCanvas& back_;
    SoftwareCanvas& window_;
};

}  // namespace tintfall
