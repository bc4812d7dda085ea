#pragma once
// The text shown for a virtual-key code on the Control page and in the
// Pause menu item.
#include <string>

namespace tintfall {

// A named key's name, otherwise "Key #" and the code in decimal.
std::string keyName(int keyCode);

}  // namespace tintfall
