#pragma once
// Pictures of the playing field's size: the cover shown while no game runs
// or the game is paused, and the three field backgrounds.
#include <memory>

#include "shell/WindowLayout.h"
#include "tools/assetgen/Canvas2d.h"

namespace tintfall::assetgen {

std::unique_ptr<Picture> coverPicture(const WindowLayout& layout);
std::unique_ptr<Picture> colourField(const WindowLayout& layout);
std::unique_ptr<Picture> threeDField(const WindowLayout& layout);
std::unique_ptr<Picture> fantasyField(const WindowLayout& layout);

}  // namespace tintfall::assetgen
