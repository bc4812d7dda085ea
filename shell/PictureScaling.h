#pragma once
// Pictures made once for the screen's resolution when they are loaded, so
// that every frame copies pixels 1:1.
#include "platform/Canvas.h"
#include "shell/DibImage.h"

namespace tintfall {

// Every pixel becomes a factor x factor square: crisp at whole-number scales.
DibImage enlargeByRepeating(const DibView& source, int factor, DisplayScale scale);

// The picture resampled to width x height pixels, each new pixel the average
// of the source area it covers (a box filter, exact for shrinking by any
// ratio).
DibImage resampleByArea(const DibView& source, int width, int height, DisplayScale scale);

}  // namespace tintfall
