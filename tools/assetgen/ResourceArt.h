#pragma once
// Pictures compiled into the program: the About logo, the block-set
// previews of the options, the Champions dialog's flags and pictures, the
// program icon and the hand cursor of the control panel.
#include <memory>

#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

std::unique_ptr<Picture> aboutLogo();                 // 140 x 93
std::unique_ptr<Picture> blockSetPreview(int set);    // 130 x 20: the six colours of the set
std::unique_ptr<Picture> flagNetherlands();           // 70 x 45
std::unique_ptr<Picture> flagBelgium();               // 70 x 45
// Place 1 (125 x 122), 2 (125 x 97) or 3 (125 x 77).
std::unique_ptr<Picture> championPicture(int place);
std::unique_ptr<Picture> iconPicture(int size);       // square, transparent around the blocks
std::unique_ptr<Picture> handCursor();                // 32 x 32, fingertip at kCursorHotspot
constexpr int kCursorHotspotX = 11;
constexpr int kCursorHotspotY = 1;

}  // namespace tintfall::assetgen
