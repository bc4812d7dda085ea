// Complete headless games with no animation delays and a random player:
// games per second, and the memory the process needed at its peak.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdint>

#include "tests/support/GameDriver.h"
#include "tests/support/RandomPlayer.h"

using namespace tintfall;

namespace {

constexpr int kMaxTicksPerGame = 2000000;

double peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);  // kilobytes on Linux
}

// Arguments: game mode, bombs on or off, pieces of 1..3 blocks.
void WholeGames(benchmark::State& benchState) {
    GameDriver driver{GameDriver::OnDisk{}};
    GameSettings& settings = driver.settings();
    settings.gameMode = static_cast<std::int32_t>(benchState.range(0));
    settings.bombsEnabled = static_cast<std::int32_t>(benchState.range(1));
    settings.blockCountCode = 3 - static_cast<std::int32_t>(benchState.range(2));
    settings.demolitionDelay = 0;
    settings.levelAnimationDelay = 0;

    std::int64_t games = 0;
    std::int64_t ticks = 0;
    std::int64_t pieces = 0;
    std::int64_t score = 0;
    for (auto _ : benchState) {
        driver.clock().setCalendarSeconds(GameDriver::kDefaultCalendarSeconds + games);
        driver.host().clearRecords();
        driver.host().nameAnswers.push_back(std::nullopt);  // results are not kept
        driver.pressStartStop();
        RandomPlayer player(static_cast<std::uint32_t>(games));
        ticks += driver.runWith(std::ref(player), kMaxTicksPerGame);
        pieces += driver.state().stats.piecesCount;
        score += driver.state().score;
        ++games;
    }
    benchState.SetItemsProcessed(games);
    benchState.counters["ticksPerGame"] = static_cast<double>(ticks) / static_cast<double>(games);
    benchState.counters["piecesPerGame"] = static_cast<double>(pieces) / static_cast<double>(games);
    benchState.counters["scorePerGame"] = static_cast<double>(score) / static_cast<double>(games);
    benchState.counters["peakRssKiB"] = peakResidentKilobytes();
}

}  // namespace

BENCHMARK(WholeGames)
    ->ArgNames({"mode", "bombs", "blocks"})
    ->Args({0, 0, 3})
    ->Args({0, 1, 3})
    ->Args({1, 1, 3})
    ->Args({2, 1, 3})
    ->Args({0, 1, 1})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
