// Replays: the cost of recording a tick beside the same tick unrecorded
// (the floor), and the cost of verifying a game from its replay file (read,
// expand, re-run) beside playing the same game headless (the floor), per
// minute of play; with the replay's size per minute of play.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/GameRecord.h"
#include "engine/ReplayFile.h"
#include "engine/ReplayRerun.h"
#include "tests/support/GameDriver.h"
#include "tests/support/RandomPlayer.h"

using namespace tintfall;

namespace {

constexpr int kGames = 24;
constexpr int kMaxTicksPerGame = 2000000;

// Game number n: its mode in turn, pieces left to fall as a player mostly does.
std::int64_t playGame(GameDriver& driver, int n) {
    driver.settings().gameMode = n % 3;
    driver.clock().setCalendarSeconds(GameDriver::kDefaultCalendarSeconds + n);
    driver.host().clearRecords();
    driver.host().nameAnswers.push_back(std::nullopt);
    driver.pressStartStop();
    RandomPlayer player(static_cast<std::uint32_t>(n), false);
    return driver.runWith(std::ref(player), kMaxTicksPerGame);
}

struct RecordedGames {
    std::vector<std::vector<std::uint8_t>> files;
    double minutes = 0;
    std::int64_t bytes = 0;
};

const RecordedGames& recordedGames() {
    static const RecordedGames games = [] {
        RecordedGames made;
        GameDriver driver;
        for (int n = 0; n < kGames; ++n) {
            playGame(driver, n);
            made.files.push_back(encodeReplayFile(driver.game().finishedReplay()));
            made.bytes += static_cast<std::int64_t>(made.files.back().size());
            made.minutes += driver.state().stats.gameSeconds / 60.0;
        }
        return made;
    }();
    return games;
}

// Argument: 1 recording, 0 not (the floor). Time per tick of play.
void ReplayTick(benchmark::State& state) {
    GameDriver driver;
    driver.game().setRecording(state.range(0) != 0);
    std::int64_t ticks = 0;
    int n = 0;
    for (auto _ : state) ticks += playGame(driver, n++ % kGames);
    state.SetItemsProcessed(ticks);
    state.counters["ticksPerIteration"] = static_cast<double>(ticks) / static_cast<double>(state.iterations());
}
BENCHMARK(ReplayTick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same games: verified from their files (argument 1), or played headless
// without recording (0, the floor). Counters per minute of play.
void ReplayVerify(benchmark::State& state) {
    const RecordedGames& games = recordedGames();
    GameDriver driver;
    driver.game().setRecording(false);
    std::int64_t rounds = 0;
    for (auto _ : state) {
        if (state.range(0) != 0) {
            for (const std::vector<std::uint8_t>& file : games.files) {
                const ReplayRerun rerun = rerunReplay(parseReplayFile(file).events);
                if (!rerun.ok) state.SkipWithError(rerun.failure.c_str());
                benchmark::DoNotOptimize(rerun.result.score);
            }
        } else {
            for (int n = 0; n < kGames; ++n) playGame(driver, n);
        }
        ++rounds;
    }
    state.counters["playMinutes"] = games.minutes;
    state.counters["replayBytesPerMinute"] = static_cast<double>(games.bytes) / games.minutes;
    state.counters["minutesPerRound"] = games.minutes;
    state.counters["rounds"] = static_cast<double>(rounds);
}
BENCHMARK(ReplayVerify)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
