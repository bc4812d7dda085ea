#pragma once
// Upload files as the program writes them, for the judge's tests.
#include <string>
#include <vector>

#include "net/UploadFile.h"
#include "tests/support/MemoryFiles.h"
#include "server/judge/Judge.h"
#include "server/judge/UploadCheck.h"

namespace tintfall {

inline std::string keyOf(int installation) {
    std::string number = std::to_string(installation);
    return std::string(32 - number.size(), 'a') + number;
}

// A Classic, Normal, three-block result: it meets the conditions.
inline ScoreEntry classicResult(std::int32_t score, std::int32_t level = 5, std::int32_t blocks = 100) {
    ScoreEntry row;
    row.name = "Local name";
    row.score = score;
    row.level = level;
    row.blocksRemoved = blocks;
    row.hasInfo = 1;
    row.startedText = "Sunday, 5 January 2003 9:05:07";
    row.finishedText = "Sunday, 5 January 2003 9:35:07";
    row.gameSeconds = 1800;
    row.piecesCount = 400;
    row.minDropSeconds = 1;
    row.maxDropSeconds = 9;
    row.averageDropSeconds = 4;
    row.colourCount = 5;
    row.country = "Local";
    return row;
}

// One installation's upload: the given rows on top of an otherwise empty table.
inline UploadRecord uploadOf(int installation, const std::vector<ScoreEntry>& rows, const std::string& name = "",
                             const std::string& country = "Norway") {
    UploadRecord record;
    record.uploadKey = keyOf(installation);
    record.playerName = name.empty() ? "Player " + std::to_string(installation) : name;
    record.email = "player@example.org";
    record.country = country;
    record.notes = "Nice game\r\nThanks";
    record.sentText = "Monday, 6 January 2003 10:00:00";
    record.usageText = "12:5:33";
    record.firstStartText = "UNKNOWN";
    for (std::size_t i = 0; i < rows.size(); ++i) record.rows[i] = rows[i];
    record.closingText = record.sentText;
    return record;
}

// The judge's surroundings: files in memory, the database in memory.
struct JudgeSetup {
    MemoryFiles files;
    TableStore store{":memory:"};
    TableFolders folders{"/data/ftp/", "/data/web/"};

    // replays: the replay files sent before the upload.
    Verdict send(const std::vector<std::uint8_t>& bytes, const std::string& fileName,
                 const std::vector<std::vector<std::uint8_t>>& replays = {}) {
        files.contents["/data/incoming/upload"] = bytes;
        Upload upload{"/data/incoming/upload", fileName, {}};
        for (const std::vector<std::uint8_t>& replay : replays) {
            upload.replays.push_back("/data/incoming/replay." + std::to_string(upload.replays.size()));
            files.contents[upload.replays.back()] = replay;
        }
        return judgeUpload(files, store, folders, upload, "Tuesday, 7 January 2003 8:00:00");
    }
    Verdict send(const UploadRecord& record, const std::vector<std::vector<std::uint8_t>>& replays = {}) {
        return send(encodeUploadRecord(record), uploadFileName(record), replays);
    }

    std::string page(const std::string& name) {
        const std::vector<std::uint8_t>& bytes = files.contents[folders.web + name];
        return std::string(bytes.begin(), bytes.end());
    }
};

}  // namespace tintfall
