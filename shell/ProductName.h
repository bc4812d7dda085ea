#pragma once

namespace tintfall {

// The title of the window and of the program's message boxes.
inline constexpr const char* kProductName = "Tintfall";

}  // namespace tintfall
