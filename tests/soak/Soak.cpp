// Many whole headless games with a random player across every mode,
// difficulty, piece size and bomb setting. Along the way games are saved,
// loaded back and played on; results go through the score book on disk and
// the options file is written now and then. At the end every written file
// must read back valid, each local table must hold the best results it was
// given, and the live heap must be as small after the last game as after the
// first thousandth. Every game is recorded, and its replay, through the
// replay file, must re-run to exactly the same result. Prints its figures;
// exits 1 on any failure.
//
//   tintfall_soak [games, default 10000] [seed, default 1]
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TINTFALL_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TINTFALL_SOAK_ASAN 1
#endif
#endif
#ifdef TINTFALL_SOAK_ASAN
// The sanitizer runtime's count of live heap bytes (not every compiler ships
// its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "engine/GameRecord.h"
#include "engine/ReplayFile.h"
#include "engine/ReplayRerun.h"
#include "tests/support/GameDriver.h"
#include "tests/support/RandomPlayer.h"
#include "scores/LastNameFile.h"
#include "scores/ScoreBook.h"
#include "settings/OptionsFile.h"
#include "settings/SavedGameFile.h"

using namespace tintfall;

namespace {

constexpr int kMaxTicksPerGame = 2000000;
constexpr const char* kSavedGameName = "soak.tfs";

int failures = 0;

void fail(const std::string& what) {
    ++failures;
    if (failures <= 20) std::fprintf(stderr, "soak: FAILED: %s\n", what.c_str());
}

// Bytes the program holds on the heap right now.
std::size_t liveHeapBytes() {
#ifdef TINTFALL_SOAK_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

std::size_t residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtoul(line.c_str() + 6, nullptr, 10);
    return 0;
}

// Every combination of the rule settings, one per game in turn.
void chooseSettings(GameSettings& settings, int game) {
    int rest = game;
    settings.gameMode = rest % 3;
    rest /= 3;
    settings.colourCount = Easy + rest % 3;
    rest /= 3;
    settings.blockCountCode = rest % 3;
    rest /= 3;
    settings.bombsEnabled = rest % 2;
    settings.demolitionDelay = 0;
    settings.levelAnimationDelay = 0;
}

// What the check needs of a recorded result, in a record of fixed size so
// the soak's own bookkeeping does not grow the heap.
struct Recorded {
    std::int32_t score;
    std::int32_t level;
    std::int32_t blocksRemoved;
    char name[16];
};

// The ranking order, written out here so the tables are checked against
// the rule rather than against the code that keeps them.
bool outranks(const Recorded& a, const Recorded& b) {
    if (a.score != b.score) return a.score > b.score;
    if (a.level != b.level) return a.level > b.level;
    return a.blocksRemoved > b.blocksRemoved;
}

// Each mode's table against the best of the results given to it.
void checkBook(const ScoreBook& book, const std::vector<std::vector<Recorded>>& recorded) {
    for (int mode = 0; mode < kLocalTableCount; ++mode) {
        const std::vector<Recorded>& best = recorded[static_cast<std::size_t>(mode)];
        const std::size_t shown = std::min<std::size_t>(best.size(), kScoreRows);
        for (std::size_t row = 0; row < shown; ++row) {
            const ScoreEntry& held = book.tables[static_cast<std::size_t>(mode)].rows[row];
            if (held.score != best[row].score || held.level != best[row].level ||
                held.blocksRemoved != best[row].blocksRemoved || held.name != best[row].name)
                fail("table " + std::to_string(mode) + " row " + std::to_string(row) + " holds " + held.name + " " +
                     std::to_string(held.score) + ", expected " + best[row].name + " " + std::to_string(best[row].score));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1u;
    std::mt19937 random(seed);
    GameDriver driver{GameDriver::OnDisk{}};
    GameSettings& settings = driver.settings();
    const std::string savedGame = driver.baseFolder() + kSavedGameName;

    std::vector<std::vector<Recorded>> recorded(kLocalTableCount);
    for (auto& best : recorded) best.reserve(kScoreRows + 1);
    long long ticks = 0;
    int saves = 0;
    int loads = 0;
    int prompts = 0;
    std::size_t resultCount = 0;
    int replaysIdentical = 0;
    long long replayBytes = 0;
    long long playedMilliseconds = 0;
    double rerunSeconds = 0;
    std::size_t heapAfterFirstThousand = 0;
    std::size_t residentAfterFirstThousand = 0;
    const auto started = std::chrono::steady_clock::now();

    for (int game = 0; game < games; ++game) {
        chooseSettings(settings, game);
        driver.clock().setCalendarSeconds(GameDriver::kDefaultCalendarSeconds + game);
        // The host's records of the last game go, their room too, so the
        // heap shows what the program holds rather than the longest game's
        // list of sounds.
        ScriptedHost& host = driver.host();
        host.clearRecords();
        host.nameAnswers.clear();
        host.sounds.shrink_to_fit();
        host.dialogs.shrink_to_fit();
        host.questions.shrink_to_fit();
        // One prompt in seven is cancelled; the others take one of a few names.
        if (random() % 7 == 0) {
            driver.host().nameAnswers.push_back(std::nullopt);
        } else {
            driver.host().nameAnswers.push_back("Soak " + std::to_string(random() % 5));
        }
        driver.pressStartStop();
        RandomPlayer player(static_cast<std::uint32_t>(random()));
        // Half the games are saved at a random moment, loaded back and played on.
        if (random() % 2 == 0) {
            ticks += driver.runWith(std::ref(player), static_cast<int>(random() % 400));
            if (driver.state().gameRunning) {
                const GameState before = driver.state();
                if (!saveGame(driver.files(), savedGame, driver.state(), settings)) fail("saving a game");
                if (!driver.files().write(savedGame + kReplayFileEnding,
                                          encodeReplayFile(driver.game().replaySoFar())))
                    fail("saving a game's replay");
                ++saves;
                GameState loaded = driver.state();
                GameSettings loadedSettings = settings;
                if (loadGame(driver.files(), savedGame, loaded, loadedSettings) != SavedGameLoad::Loaded)
                    fail("loading the game just saved");
                ++loads;
                if (loaded.board.cells != before.board.cells || loaded.score != before.score ||
                    loadedSettings.gameMode != settings.gameMode)
                    fail("the loaded game differs from the saved one");
                const auto savedReplay = driver.files().read(savedGame + kReplayFileEnding, kReplayMaxFileBytes);
                const ReplayFileRead replay = parseReplayFile(savedReplay.value_or(std::vector<std::uint8_t>{}));
                if (!replay.ok()) fail("the saved game's replay does not read back: " + replay.failure);
                driver.game().continueLoadedGame(loaded, loadedSettings, replay.events);
            }
        }
        ticks += driver.runWith(std::ref(player), kMaxTicksPerGame);
        if (driver.state().gameRunning) fail("game " + std::to_string(game) + " did not end");
        {
            const GameResult played = makeGameResult(driver.state(), settings);
            const std::vector<std::uint8_t> file = encodeReplayFile(driver.game().finishedReplay());
            replayBytes += file.size();
            playedMilliseconds += static_cast<long long>(played.gameSeconds) * 1000;
            const auto rerunStarted = std::chrono::steady_clock::now();
            const ReplayFileRead read = parseReplayFile(file);
            ReplayRerun rerun;
            if (read.ok()) {
                rerun = rerunReplay(read.events);
            } else {
                rerun.failure = read.failure;
            }
            rerunSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - rerunStarted).count();
            if (!rerun.ok) {
                fail("game " + std::to_string(game) + " does not re-run: " + rerun.failure);
            } else if (const std::string field = firstDifferentField(played, rerun.result); !field.empty()) {
                fail("game " + std::to_string(game) + " re-runs to another " + field);
            } else {
                ++replaysIdentical;
            }
        }
        resultCount += driver.host().recordedResults.size();
        prompts += static_cast<int>(
            std::count(driver.host().dialogs.begin(), driver.host().dialogs.end(), std::string("name")));
        // Only the best ten of each mode are kept, so the soak's own records
        // do not grow with the games.
        for (const GameResult& result : driver.host().recordedResults) {
            std::vector<Recorded>& best = recorded[static_cast<std::size_t>(result.gameMode)];
            Recorded entry{result.score, result.level, result.blocksRemoved, {}};
            result.name.copy(entry.name, sizeof entry.name - 1);
            best.push_back(entry);
            std::stable_sort(best.begin(), best.end(), outranks);
            if (best.size() > kScoreRows) best.resize(kScoreRows);
        }
        if (driver.host().tableUpdateFailures != 0) fail("the score book could not be updated");
        if (game % 97 == 0 && !writeOptions(driver.files(), driver.baseFolder(), settings))
            fail("writing the options file");
        if (game + 1 == std::min(1000, games)) {
            heapAfterFirstThousand = liveHeapBytes();
            residentAfterFirstThousand = residentKilobytes();
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const std::size_t heapAtEnd = liveHeapBytes();
    const std::size_t residentAtEnd = residentKilobytes();

    // Every file written along the way reads back valid.
    ScoreBook book;
    if (!book.load(driver.files(), driver.baseFolder())) fail("data.tft does not read back");
    checkBook(book, recorded);
    GameSettings readBack;
    if (!readOptions(driver.files(), driver.baseFolder(), readBack)) fail("tintfall.dat does not read back");
    const auto name = driver.files().read(driver.baseFolder() + kLastNameFileName, 4096);
    if (!name || !parseLastName(name->data(), name->size())) fail("lastname.dat does not read back");
    if (saves > 0) {
        GameState state;
        GameSettings loaded;
        if (loadGame(driver.files(), savedGame, state, loaded) != SavedGameLoad::Loaded) fail("soak.tfs does not read back");
    }
    // Flat memory: the heap after the last game is no larger than after the
    // first thousandth, give or take 16 KiB of containers settling.
    if (heapAtEnd > heapAfterFirstThousand + 16384)
        fail("live heap grew from " + std::to_string(heapAfterFirstThousand) + " to " + std::to_string(heapAtEnd) +
             " bytes");

    std::printf("soak: %d games (%lld ticks) in %.1f s, %.0f games/s; %d saved and loaded back; %d name "
                "prompts, %zu results recorded\n",
                games, ticks, seconds, games / seconds, saves, prompts, resultCount);
    std::printf("soak: live heap %zu bytes after game %d, %zu after the last; resident %zu KiB and %zu KiB\n",
                heapAfterFirstThousand, std::min(1000, games), heapAtEnd, residentAfterFirstThousand,
                residentAtEnd);
    std::printf("soak: %d of %d replays re-run to identical results in %.2f s; %lld replay bytes for %.1f minutes "
                "of play, %.0f bytes a minute\n",
                replaysIdentical, games, rerunSeconds, replayBytes, playedMilliseconds / 60000.0,
                playedMilliseconds > 0 ? replayBytes / (playedMilliseconds / 60000.0) : 0.0);
    std::printf("soak: %s\n", failures == 0 ? "every file valid, tables right, memory flat" : "FAILED");
    return failures == 0 ? 0 : 1;
}
