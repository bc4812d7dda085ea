#pragma once
// The start-up check for files the program needs: the help file, the 16
// sounds and the 95 bitmaps of all twelve block sets.
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tintfall {

// The 112 names relative to baseFolder, in the order they are reported.
const std::vector<std::string>& checkedFileNames();

// The warning text listing every file of checkedFileNames() that cannot be
// opened under baseFolder, and every picture among them that is not a bitmap
// that can be drawn, or an empty text when none is missing.
std::string checkFiles(Files& files, const std::string& baseFolder);

}  // namespace tintfall
