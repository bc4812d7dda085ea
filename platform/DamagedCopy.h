#pragma once
// Before a data file that failed to load is replaced, its bytes are kept
// beside it, so a damaged score book or options file is never lost.
#include <string>

#include "platform/Files.h"

namespace tintfall {

// Copies the file at path to path + ".damaged" (or ".damaged2", ".damaged3",
// ... when that name is taken: an earlier kept copy is never overwritten).
// True when the copy was written or there is nothing to keep (no file, or
// an empty one); false when the file could not be read or the copy not
// written, and the caller must then leave the file as it is.
bool keepDamagedCopy(Files& files, const std::string& path);

}  // namespace tintfall
