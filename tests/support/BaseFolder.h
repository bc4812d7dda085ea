#pragma once
// The folder the in-memory file tests place the program in.
#include <string>

namespace tintfall {

inline const std::string kBaseFolder = "C:\\Games\\";

}  // namespace tintfall
