#pragma once
// The judge of the internet table: takes an uploaded file or refuses it,
// keeps what it takes, and publishes the table again.
#include <string>
#include <vector>

#include "platform/Files.h"
#include "server/judge/Publication.h"
#include "server/judge/TableStore.h"

namespace tintfall {

struct Verdict {
    bool accepted = false;
    std::string refusal;     // why not, when refused
    bool published = false;  // the table files were written afterwards
    bool verified = false;   // a replay reproduced the row taken
    std::string unverified;  // why not, when taken unverified
};

// An upload as the FTP server hands it over: where it lies, the name it
// was sent under, and where the replays sent with it lie.
struct Upload {
    std::string path;
    std::string fileName;
    std::vector<std::string> replays;
};

// Checks the upload and keeps it when taken, without publishing (published
// stays false): a busy server publishes once for several uploads. The row
// taken is verified when one of the replays re-runs to it; that replay is
// then kept in the published replay folder under a name of its own.
Verdict keepIfTaken(Files& files, TableStore& store, const TableFolders& folders, const Upload& upload);

// keepIfTaken, then the table published again when the upload was taken.
Verdict judgeUpload(Files& files, TableStore& store, const TableFolders& folders, const Upload& upload,
                    const std::string& updated);

// Works every installation's row out again from its stored upload, under
// the present rules, then publishes. False when a file cannot be written.
bool rebuildTable(Files& files, TableStore& store, const TableFolders& folders, const std::string& updated);

}  // namespace tintfall
