// Reading and writing the larger data files from bytes in memory: a full
// score book, the options file and a saved game, plus the ranking rule.
#include <benchmark/benchmark.h>

#include "scores/ScoreBook.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGameFile.h"

namespace tintfall {
namespace {

ScoreBook fullBook() {
    ScoreBook book;
    for (int table = 0; table < kScoreTableCount; ++table) {
        for (int place = 0; place < kScoreRows; ++place) {
            ScoreEntry entry;
            entry.name = "Player " + std::to_string(place);
            entry.score = 10000 - place * 100;
            entry.level = 10;
            entry.hasInfo = 1;
            entry.startedText = "Wednesday, 17 September 2003 21:45:07";
            entry.finishedText = "Wednesday, 17 September 2003 22:01:33";
            entry.country = "Local";
            book.insertEntry(static_cast<ScoreTableId>(table), entry, "Wednesday, 17 September 2003 22:01:34");
        }
    }
    return book;
}

void BM_ScoreBookParse(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = fullBook().encode();
    for (auto _ : state) {
        ScoreBook book;
        benchmark::DoNotOptimize(book.parse(bytes.data(), bytes.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ScoreBookParse);

void BM_ScoreBookEncode(benchmark::State& state) {
    const ScoreBook book = fullBook();
    for (auto _ : state) benchmark::DoNotOptimize(book.encode());
}
BENCHMARK(BM_ScoreBookEncode);

void BM_InsertEntryAtPlaceOne(benchmark::State& state) {
    const ScoreBook full = fullBook();
    ScoreEntry entry;
    entry.score = 20000;
    for (auto _ : state) {
        ScoreBook book = full;
        benchmark::DoNotOptimize(book.insertEntry(ClassicTable, entry, "now"));
    }
}
BENCHMARK(BM_InsertEntryAtPlaceOne);

void BM_OptionsRoundTrip(benchmark::State& state) {
    GameSettings settings;
    settings.resetToDefaults("C:\\Program Files\\Tintfall\\");
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = encodeOptions(settings);
        benchmark::DoNotOptimize(parseOptions(bytes.data(), bytes.size(), settings));
    }
}
BENCHMARK(BM_OptionsRoundTrip);

void BM_SavedGameRoundTrip(benchmark::State& state) {
    GameState game;
    GameSettings settings;
    game.stats.startedText = "Wednesday, 17 September 2003 21:45:07";
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = encodeSavedGame(game, settings);
        benchmark::DoNotOptimize(parseSavedGame(bytes.data(), bytes.size(), game, settings));
    }
}
BENCHMARK(BM_SavedGameRoundTrip);

}  // namespace
}  // namespace tintfall
