// The pictures read at start-up from the generated dist/ folder: every
// picture of the block set in use loaded, then the check of the program's
// files, which reads only the headers of the other block sets' pictures.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/LocalFiles.h"
#include "shell/AssetStore.h"
#include "shell/FileCheck.h"

namespace {

void BM_StartUpPicturesOnDist(benchmark::State& state) {
    const char* folder = std::getenv("TINTFALL_DIST_DIR");
    const std::string base = std::string(folder != nullptr ? folder : TINTFALL_BENCH_DIST_DIR) + "\\";
    tintfall::LocalFiles files;
    for (auto _ : state) {
        tintfall::AssetStore pictures(files, base);
        pictures.loadAll(0);
        if (!tintfall::checkFiles(files, base, pictures).empty()) {
            state.SkipWithError("dist/ is incomplete: build the dist_files target first");
            return;
        }
    }
}
BENCHMARK(BM_StartUpPicturesOnDist)->Unit(benchmark::kMillisecond);

}  // namespace
