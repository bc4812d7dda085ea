#include "server/judge/Judge.h"

#include "server/judge/Qualifying.h"
#include "server/judge/UploadCheck.h"

namespace tintfall {

Verdict keepIfTaken(Files& files, TableStore& store, const std::string& path, const std::string& fileName) {
    const auto bytes = files.read(path, kMaxUploadBytes);
    if (!bytes) return Verdict{false, "missing or larger than 64 KiB", false};
    const UploadCheck check = checkUpload(*bytes, fileName);
    if (!check.record) return Verdict{false, check.refusal, false};

    store.keepUpload(check.record->uploadKey, *bytes, bestQualifyingRow(*check.record));
    return Verdict{true, {}, false};
}

Verdict judgeUpload(Files& files, TableStore& store, const TableFolders& folders, const std::string& path,
                    const std::string& fileName, const std::string& updated) {
    Verdict verdict = keepIfTaken(files, store, path, fileName);
    if (verdict.accepted) verdict.published = publishTable(files, store, folders, updated);
    return verdict;
}

bool rebuildTable(Files& files, TableStore& store, const TableFolders& folders, const std::string& updated) {
    store.rederive([](const std::vector<std::uint8_t>& upload) -> std::optional<ScoreEntry> {
        const std::optional<UploadRecord> parsed = parseUploadRecord(upload.data(), upload.size());
        if (!parsed) return std::nullopt;
        // An upload taken under older rules that fails today's check is no longer ranked.
        const UploadCheck check = checkUpload(upload, parsed->uploadKey + ".tft");
        return check.record ? bestQualifyingRow(*check.record) : std::nullopt;
    });
    return publishTable(files, store, folders, updated);
}

}  // namespace tintfall
