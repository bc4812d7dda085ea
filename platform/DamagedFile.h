#pragma once
// Before a data file that failed to load is replaced, it is put aside under
// another name, so a damaged score book or options file is never lost.
#include <string>

#include "platform/Files.h"

namespace tintfall {

// Renames the file at path to the first name of path + ".damaged",
// ".damaged2", ".damaged3", ... that no file has, so an earlier kept file is
// never overwritten. A rename neither reads the file nor needs room for a
// copy: a file of any size, or one that cannot be read, is kept as well.
// True when the file was put aside or there is nothing to keep (no file, or
// an empty one); false when the rename failed and the file is still there.
bool keepDamagedFileAside(Files& files, const std::string& path);

}  // namespace tintfall
