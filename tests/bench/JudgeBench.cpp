// The table server's judge against a database of 10 thousand to 1 million
// installations: one upload judged, kept and the table published again, as
// the serving judge does it (its database open between uploads).
// The synthetic databases are made once and kept in TINTFALL_BENCH_DATA
// (default: the temporary folder), since a million uploads take a while:
//   build/native/tests/bench/tintfall_bench --benchmark_filter=Judge
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/headless/LocalFiles.h"
#include "server/judge/Judge.h"
#include "server/judge/Qualifying.h"

using namespace tintfall;

namespace {

constexpr int kUploadFiles = 256;

std::filesystem::path benchFolder() {
    const char* chosen = std::getenv("TINTFALL_BENCH_DATA");
    const std::filesystem::path folder =
        chosen ? std::filesystem::path(chosen) : std::filesystem::temp_directory_path() / "tintfall-judge-bench";
    std::filesystem::create_directories(folder / "ftp");
    std::filesystem::create_directories(folder / "web");
    std::filesystem::create_directories(folder / "incoming");
    return folder;
}

std::string keyOf(std::int64_t installation) {
    static const char digits[] = "0123456789abcdef";
    std::string key(32, '0');
    for (int i = 31; i >= 0 && installation > 0; --i, installation /= 16) key[i] = digits[installation % 16];
    return key;
}

// A young local table: three real rows, one of them Hard, one of them Timer.
UploadRecord syntheticUpload(std::int64_t installation, std::mt19937& random) {
    UploadRecord record;
    record.uploadKey = keyOf(installation);
    record.playerName = "Player " + std::to_string(installation);
    record.email = "player@example.org";
    record.country = "Norway";
    record.sentText = "Monday, 6 January 2003 10:00:00";
    record.usageText = "12:5:33";
    record.firstStartText = "Sunday, 5 January 2003 9:00:00";
    record.closingText = record.sentText;
    for (int place = 0; place < 3; ++place) {
        ScoreEntry& row = record.rows[place];
        row.name = record.playerName;
        row.score = static_cast<std::int32_t>(random() % 5000000);
        row.level = static_cast<std::int32_t>(1 + random() % 20);
        row.blocksRemoved = static_cast<std::int32_t>(random() % 20000);
        row.hasInfo = 1;
        row.startedText = "Sunday, 5 January 2003 9:05:07";
        row.finishedText = "Sunday, 5 January 2003 9:35:07";
        row.gameSeconds = 1800;
        row.piecesCount = 400;
        row.colourCount = place == 1 ? 6 : 5;
        row.gameMode = place == 2 ? 1 : 0;
        row.country = "Local";
    }
    return record;
}

// The database of count installations, made when missing.
std::string database(std::int64_t count) {
    const std::filesystem::path path = benchFolder() / ("table-" + std::to_string(count) + ".sqlite");
    if (std::filesystem::exists(path)) return path.string();
    const std::filesystem::path partial = path.string() + ".part";
    std::filesystem::remove(partial);
    {
        TableStore store(partial.string());
        std::mt19937 random(7);
        store.transaction([&] {
            for (std::int64_t installation = 0; installation < count; ++installation) {
                const UploadRecord record = syntheticUpload(installation, random);
                store.keepUpload(record.uploadKey, encodeUploadRecord(record), bestQualifyingRow(record));
            }
        });
    }
    std::filesystem::rename(partial, path);
    return path.string();
}

void JudgeOneUpload(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const std::string path = database(count);
    const std::filesystem::path folder = benchFolder();
    const TableFolders folders{(folder / "ftp").string() + "/", (folder / "web").string() + "/"};
    LocalFiles files;

    // New results of installations already in the table, as most uploads are.
    std::mt19937 random(11);
    std::vector<std::pair<std::string, std::string>> uploads;
    for (int i = 0; i < kUploadFiles; ++i) {
        const UploadRecord record = syntheticUpload(static_cast<std::int64_t>(random() % count), random);
        const std::string file = (folder / "incoming" / (std::to_string(i) + ".tft")).string();
        files.write(file, encodeUploadRecord(record));
        uploads.emplace_back(file, uploadFileName(record));
    }

    TableStore store(path);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& [file, name] = uploads[next++ % uploads.size()];
        const Verdict verdict = judgeUpload(files, store, folders, {file, name, {}}, "Tuesday, 7 January 2003 8:00:00");
        if (!verdict.accepted || !verdict.published) state.SkipWithError("upload not judged");
    }
    state.counters["installations"] = static_cast<double>(count);
}
BENCHMARK(JudgeOneUpload)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
