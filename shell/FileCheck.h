#pragma once
// The start-up check for files the program needs: the help file, the 16
// sounds and the 95 bitmaps of all twelve block sets.
#include <string>
#include <vector>

#include "platform/Files.h"
#include "shell/AssetStore.h"

namespace tintfall {

// The 112 names relative to baseFolder, in the order they are reported.
const std::vector<std::string>& checkedFileNames();

// The warning text listing every file of checkedFileNames() that cannot be
// opened under baseFolder, and every picture among them that is not a bitmap
// that can be drawn, or an empty text when none is missing. The pictures the
// store holds, loaded from the same baseFolder, are judged by its images;
// the others (the block sets not in use) are read as far as needed to tell.
std::string checkFiles(Files& files, const std::string& baseFolder, const AssetStore& pictures);

}  // namespace tintfall
