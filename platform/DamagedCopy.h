#pragma once
// Before a data file that failed to load is replaced, its bytes are kept
// beside it, so a damaged score book or options file is never lost.
#include <string>

#include "platform/Files.h"

namespace tintfall {

// The first name of path + ".damaged", ".damaged2", ".damaged3", ... that no
// file has (an earlier kept copy is never overwritten); empty when far more
// copies than any player keeps are there already.
std::string freeDamagedName(Files& files, const std::string& path);

// Copies the file at path to its free damaged name.
// True when the copy was written or there is nothing to keep (no file, or
// an empty one); false when the file could not be read or the copy not
// written, and the caller must then leave the file as it is.
bool keepDamagedCopy(Files& files, const std::string& path);

}  // namespace tintfall
