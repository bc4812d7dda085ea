// The start-up check of the program's files on the generated dist/ folder:
// every one of the 95 pictures is read and parsed besides being looked for.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/LocalFiles.h"
#include "shell/FileCheck.h"

namespace {

void BM_CheckFilesOnDist(benchmark::State& state) {
    const char* folder = std::getenv("TINTFALL_DIST_DIR");
    const std::string base = std::string(folder != nullptr ? folder : TINTFALL_BENCH_DIST_DIR) + "\\";
    tintfall::LocalFiles files;
    if (!tintfall::checkFiles(files, base).empty()) {
        state.SkipWithError("dist/ is incomplete: build the dist_files target first");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(tintfall::checkFiles(files, base));
}
BENCHMARK(BM_CheckFilesOnDist)->Unit(benchmark::kMillisecond);

}  // namespace
