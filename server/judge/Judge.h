#pragma once
// The judge of the internet table: takes an uploaded file or refuses it,
// keeps what it takes, and publishes the table again.
#include <string>

#include "platform/Files.h"
#include "server/judge/Publication.h"
#include "server/judge/TableStore.h"

namespace tintfall {

struct Verdict {
    bool accepted = false;
    std::string refusal;     // why not, when refused
    bool published = false;  // the table files were written afterwards
};

// Checks the upload and keeps it when taken, without publishing (published
// stays false): a busy server publishes once for several uploads.
// path: where the upload lies; fileName: the name it was sent under.
Verdict keepIfTaken(Files& files, TableStore& store, const std::string& path, const std::string& fileName);

// keepIfTaken, then the table published again when the upload was taken.
Verdict judgeUpload(Files& files, TableStore& store, const TableFolders& folders, const std::string& path,
                    const std::string& fileName, const std::string& updated);

// Works every installation's row out again from its stored upload, under
// the present rules, then publishes. False when a file cannot be written.
bool rebuildTable(Files& files, TableStore& store, const TableFolders& folders, const std::string& updated);

}  // namespace tintfall
