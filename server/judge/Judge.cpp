#include "server/judge/Judge.h"

#include <random>

#include "engine/ReplayFile.h"
#include "server/judge/Qualifying.h"
#include "server/judge/ReplayCheck.h"
#include "server/judge/UploadCheck.h"

namespace tintfall {

namespace {

// A name for a kept replay that nothing can be read from (not the key, not
// the order of the uploads) and that no sender can choose.
std::string newReplayName() {
    std::random_device random;
    static const char kDigits[] = "0123456789abcdef";
    std::string name;
    for (int part = 0; part < 4; ++part) {
        const std::uint32_t bits = random();
        for (int shift = 0; shift < 32; shift += 4) name += kDigits[(bits >> shift) & 0xF];
    }
    return name;
}

struct ReplayFound {
    std::string name;     // where it is kept; empty: none verified the row
    std::string refusal;  // why the last one tried did not
};

// The first replay that re-runs to row, kept; the others are left where
// the server put them.
ReplayFound verifyingReplay(Files& files, const TableFolders& folders, const ScoreEntry& row,
                            const std::vector<std::string>& replays) {
    ReplayFound found{{}, "no replay sent"};
    for (const std::string& path : replays) {
        const auto bytes = files.read(path, kReplayMaxFileBytes);
        const ReplayVerdict verdict =
            bytes ? checkRowReplay(row, bytes) : ReplayVerdict{false, "replay missing or larger than 1 MiB"};
        if (!verdict.verified) {
            found.refusal = verdict.refusal;
            continue;
        }
        const std::string name = newReplayName();
        if (!files.write(replayPath(folders, name), *bytes)) return {{}, "the replay cannot be kept"};
        return {name, {}};
    }
    return found;
}

Verdict refused(const std::string& why) {
    Verdict verdict;
    verdict.refusal = why;
    return verdict;
}

}  // namespace

Verdict keepIfTaken(Files& files, TableStore& store, const TableFolders& folders, const Upload& upload) {
    const auto bytes = files.read(upload.path, kMaxUploadBytes);
    if (!bytes) return refused("missing or larger than 64 KiB");
    const UploadCheck check = checkUpload(*bytes, upload.fileName);
    if (!check.record) return refused(check.refusal);

    const std::optional<ScoreEntry> best = bestQualifyingRow(*check.record);
    const ReplayFound replay =
        best ? verifyingReplay(files, folders, *best, upload.replays) : ReplayFound{{}, "no row qualifies"};
    std::string unused;
    try {
        unused = store.keepUpload(check.record->uploadKey, *bytes, best, replay.name);
    } catch (...) {
        if (!replay.name.empty()) files.remove(replayPath(folders, replay.name));
        throw;
    }
    if (!unused.empty()) files.remove(replayPath(folders, unused));
    Verdict verdict;
    verdict.accepted = true;
    verdict.verified = !replay.name.empty();
    verdict.unverified = replay.refusal;
    return verdict;
}

Verdict judgeUpload(Files& files, TableStore& store, const TableFolders& folders, const Upload& upload,
                    const std::string& updated) {
    Verdict verdict = keepIfTaken(files, store, folders, upload);
    if (verdict.accepted) verdict.published = publishTable(files, store, folders, updated);
    return verdict;
}

bool rebuildTable(Files& files, TableStore& store, const TableFolders& folders, const std::string& updated) {
    const std::vector<std::string> unused =
        store.rederive([](const std::vector<std::uint8_t>& upload) -> std::optional<ScoreEntry> {
            const std::optional<UploadRecord> parsed = parseUploadRecord(upload.data(), upload.size());
            if (!parsed) return std::nullopt;
            // An upload taken under older rules that fails today's check is no longer ranked.
            const UploadCheck check = checkUpload(upload, parsed->uploadKey + ".tft");
            return check.record ? bestQualifyingRow(*check.record) : std::nullopt;
        });
    for (const std::string& replay : unused) files.remove(replayPath(folders, replay));
    return publishTable(files, store, folders, updated);
}

}  // namespace tintfall
