#pragma once
// The one-line prompt that captures the key to bind.
#include <windows.h>

#include <optional>

namespace tintfall {

// The key code pressed, or nothing when Escape (or closing) cancelled.
std::optional<int> runKeyCapture(HINSTANCE instance, HWND owner);

}  // namespace tintfall
