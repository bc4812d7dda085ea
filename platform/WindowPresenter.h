#pragma once
// Copies a rectangle of the back buffer to the same place in the window.
#include "platform/Rect.h"

namespace tintfall {

class WindowPresenter {
public:
    virtual ~WindowPresenter() = default;
    virtual void present(const Rect& area) = 0;
};

}  // namespace tintfall
