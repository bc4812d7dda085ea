#pragma once
// Reading single pixels of a device-independent bitmap of any stored depth.
#include "platform/Canvas.h"

namespace tintfall {

// Colour of pixel (x, y) of an image, counted in its own pixels from its
// top-left corner, as 0x00BBGGRR; false when the pixel lies outside the image
// or its stored data.
bool dibPixel(const DibView& image, int x, int y, ColourRef& colour);

}  // namespace tintfall
