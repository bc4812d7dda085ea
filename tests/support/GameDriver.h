#pragma once
// Whole games without a window: the engine with its settings, a manual
// clock and a scripted host over a baseFolder in memory, or on disk for
// the runs that measure the program's own files. A script of key downs and
// ups at given 20 ms ticks plays a game in no real time.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "engine/GameState.h"
#include "platform/headless/LocalFiles.h"
#include "platform/headless/ManualClock.h"
#include "tests/support/MemoryFiles.h"
#include "tests/support/ScriptedHost.h"
#include "settings/GameSettings.h"

namespace tintfall {

struct KeyEvent {
    int tick = 0;  // counted from the start of the run
    std::int32_t keyCode = 0;
    bool down = true;
};

class GameDriver {
public:
    static constexpr std::uint32_t kTickMilliseconds = 20;
    // A fixed calendar time, so the seed and every colour are repeatable.
    static constexpr std::int64_t kDefaultCalendarSeconds = 1300000000;

    // An empty baseFolder in memory, C:\Games\.
    GameDriver();
    // A new empty baseFolder under the system's temporary folder,
    // removed again with the driver.
    struct OnDisk {};
    explicit GameDriver(OnDisk);
    ~GameDriver();
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    Game& game() { return game_; }
    GameState& state() { return state_; }
    GameSettings& settings() { return settings_; }
    ScriptedHost& host() { return host_; }
    ManualClock& clock() { return clock_; }
    Files& files() { return *files_; }
    // The files of a driver in memory; null for one on disk.
    MemoryFiles* memoryFiles() { return memory_; }
    // The baseFolder as the program names it, ending in a backslash.
    const std::string& baseFolder() const { return baseFolder_; }

    // Start or stop as F2 does.
    void pressStartStop() { game_.startOrStop(StartStopCaller::Menu); }
    // A key message as the window receives it: the trackers first, then the
    // window's own key handling (the pause key).
    void keyDown(std::int32_t keyCode);
    void keyUp(std::int32_t keyCode);
    // A key pressed before one tick and released before the next.
    void tap(std::int32_t keyCode);
    // One timer tick, 20 ms after the last.
    void tick();
    int ticks() const { return ticks_; }

    // Plays the script: before each tick the events of that tick, until no
    // game runs or maxTicks ticks have run. Returns the ticks run.
    int run(const std::vector<KeyEvent>& script, int maxTicks);
    // As run, with a player that acts before every tick.
    using Player = std::function<void(GameDriver&)>;
    int runWith(const Player& player, int maxTicks);

private:
    GameDriver(std::unique_ptr<Files> files, std::string baseFolder, std::string hostFolder);

    std::unique_ptr<Files> files_;
    MemoryFiles* memory_ = nullptr;
    std::string baseFolder_;
    // The folder on disk removed with the driver; empty in memory.
    std::string hostFolder_;
    ManualClock clock_;
    GameSettings settings_;
    GameState state_;
    ScriptedHost host_;
    Game game_;
    int ticks_ = 0;
};

}  // namespace tintfall
