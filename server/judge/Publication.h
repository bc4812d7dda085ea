#pragma once
// What the table server hands out: "top10.tft" in the folder the FTP
// account reads, and the home and Top 50 pages in the web folder.
#include <string>

#include "platform/Files.h"
#include "server/judge/TableStore.h"

namespace tintfall {

// The verified rows' replays, in the web folder; a file is named by 32
// random hexadecimal digits, which tell nothing of its sender.
inline constexpr const char* kReplayFolderName = "tintfall/replays/";

struct TableFolders {
    std::string published;  // the FTP folder, ending in a separator
    std::string web;        // the web server's folder, ending in a separator
    bool verifiedOnly = false;  // the host publishes only rows a replay verified
};

std::string replayPath(const TableFolders& folders, const std::string& replay);

// Writes the three files from the store's leaders, each by write-and-replace,
// so a client never fetches half a file. updated: when this table was made.
// False when a file cannot be written.
bool publishTable(Files& files, TableStore& store, const TableFolders& folders, const std::string& updated);

}  // namespace tintfall
