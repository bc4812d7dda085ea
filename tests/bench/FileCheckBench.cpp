// The pictures read at start-up from the generated dist/ folder: every
// picture of the block set in use loaded, then the check of the program's
// files, which reads only the headers of the other block sets' pictures.
// The floor loads the pictures in use and checks nothing, here also at 144
// and 192 DPI, where the pictures are made for the screen at load.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/headless/LocalFiles.h"
#include "shell/AssetStore.h"
#include "shell/FileCheck.h"

namespace {

std::string distFolder() {
    const char* folder = std::getenv("TINTFALL_DIST_DIR");
    return std::string(folder != nullptr ? folder : TINTFALL_BENCH_DIST_DIR) + "\\";
}

void BM_StartUpPicturesOnDist(benchmark::State& state) {
    const std::string base = distFolder();
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

void BM_PicturesInUseOnDist(benchmark::State& state) {
    const std::string base = distFolder();
    tintfall::LocalFiles files;
    for (auto _ : state) {
        tintfall::AssetStore pictures(files, base, tintfall::DisplayScale{static_cast<int>(state.range(0))});
        pictures.loadAll(0);
        benchmark::DoNotOptimize(pictures.image(tintfall::AssetRole::Background, 0).empty());
    }
}
BENCHMARK(BM_PicturesInUseOnDist)->ArgName("dpi")->Arg(96)->Arg(144)->Arg(192)->Unit(benchmark::kMillisecond);

}  // namespace
