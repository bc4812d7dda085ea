#pragma once
// The fonts the artwork names, checked before anything is drawn: cairo would
// quietly draw the text of a missing one in whatever font fontconfig offers
// instead, and the pictures would differ from machine to machine.
#include <string>
#include <vector>

namespace tintfall::assetgen {

// Each font (family, and "bold" when it is) that the system cannot give.
std::vector<std::string> missingFonts();

}  // namespace tintfall::assetgen
