// A full redraw of a running game on the software canvas, from the real
// artwork in dist/graph (the folder in TINTFALL_DIST_DIR, else the build's),
// at both window sizes and at 96 and 192 DPI, beside its floor: a plain copy
// of the frame's bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ScaledCanvas.h"
#include "platform/headless/LocalFiles.h"
#include "platform/headless/SoftwareCanvas.h"
#include "platform/headless/SoftwarePresenter.h"
#include "shell/Renderer.h"
#include "tests/support/RunningGame.h"

using namespace tintfall;

namespace {

std::string distFolder() {
    const char* folder = std::getenv("TINTFALL_DIST_DIR");
    return std::string(folder != nullptr ? folder : TINTFALL_BENCH_DIST_DIR) + "\\";
}

// A game in progress on a board filled up to row 6 with every colour, the
// piece and the next piece in view, the 3D field picture behind.
void fillRunningGame(GameState& game) {
    setRunningGame(game, 7, 3);
    game.score = 123456;
    for (int row = 6; row <= kFloorRow; ++row)
        for (int column = 0; column < kColumns; ++column) game.board.setCell(column, row, (row + column) % 6);
}

// Arguments: 0 Normal, 1 Big; the screen's DPI.
void FullRedraw(benchmark::State& bench) {
    const int size = static_cast<int>(bench.range(0));
    const DisplayScale scale{static_cast<int>(bench.range(1))};
    LocalFiles files;
    GameSettings settings;
    settings.fieldBackground = ThreeDField;
    AssetStore assets(files, distFolder(), scale);
    assets.loadAll(settings.blockSet);
    if (assets.image(AssetRole::Background, size).empty()) {
        bench.SkipWithError("no artwork: build dist_files or set TINTFALL_DIST_DIR");
        return;
    }
    PresentationState view;
    PanelLooks panel;
    view.windowReady = true;
    view.paintingEnabled = true;
    view.effectiveSize = size;
    view.layout = applyLayout(size);
    GameState game;
    fillRunningGame(game);
    SoftwareCanvas back(scale.toPixels(view.layout.clientWidth), scale.toPixels(view.layout.clientHeight));
    SoftwareCanvas window(back.width(), back.height());
    ScaledCanvas scaledBack(back, scale);
    ScaledCanvas scaledWindow(window, scale);
    SoftwarePresenter presenter(back, window, scale);
    const RenderContext context{assets, game, settings, view, panel, scaledBack, scaledWindow, presenter};
    for (auto _ : bench) {
        redraw(context);
        benchmark::ClobberMemory();
    }
    bench.counters["frameBytes"] = static_cast<double>(back.frameBytes());
}
BENCHMARK(FullRedraw)->ArgNames({"big", "dpi"})->ArgsProduct({{0, 1}, {96, 192}})->Unit(benchmark::kMicrosecond);

// The floor of a redraw: one copy of as many bytes as the frame holds.
void PlainCopyOfFrameBytes(benchmark::State& bench) {
    const WindowLayout layout = applyLayout(static_cast<int>(bench.range(0)));
    const DisplayScale scale{static_cast<int>(bench.range(1))};
    const std::size_t bytes =
        SoftwareCanvas(scale.toPixels(layout.clientWidth), scale.toPixels(layout.clientHeight)).frameBytes();
    std::vector<unsigned char> from(bytes, 1);
    std::vector<unsigned char> to(bytes, 0);
    for (auto _ : bench) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    bench.counters["frameBytes"] = static_cast<double>(bytes);
}
BENCHMARK(PlainCopyOfFrameBytes)->ArgNames({"big", "dpi"})->ArgsProduct({{0, 1}, {96, 192}})->Unit(benchmark::kMicrosecond);

}  // namespace
