#pragma once
// Watching a finished game's replay in the main window: the engine re-runs
// the replay onto the window's drawing, tick by tick on the window's timer,
// at the pace the replay's own clock recorded, with pause and two faster
// speeds. Nothing the player does reaches the re-run game, and its result
// goes to no table.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameHost.h"
#include "engine/ReplayPlayer.h"
#include "platform/Clock.h"

namespace tintfall {

// A tick whose clock moved further than its waits and this (the game was
// paused, a box was open, the window was in the background) is shown as
// this long.
inline constexpr std::int64_t kReplayLongestShownStallMs = 500;
// After the window stood still (a menu or a box held it), the replay does
// not rush to catch up more than this at speed x1.
inline constexpr std::int64_t kReplayLongestCatchUpMs = 200;

class ReplayWatch {
public:
    // events: a whole game's stream; presentation: where the re-run draws
    // and plays its sounds; clock: real time, which the animations wait out
    // (shortened by the speed).
    ReplayWatch(std::vector<std::uint8_t> events, GameHost& presentation, Clock& clock);
    ReplayWatch(const ReplayWatch&) = delete;
    ReplayWatch& operator=(const ReplayWatch&) = delete;

    // The window's timer: the replay plays the real time since the last
    // tick, times the speed.
    void onTick();
    void togglePause();
    // x1, x2, x4, then x1 again.
    void faster();

    int speed() const { return pacing_.speed; }
    bool paused() const { return paused_; }
    // The game has ended, or the replay failed (failure() says why).
    bool ended() const { return player_.over(); }
    bool failed() const { return player_.failed(); }
    const std::string& failure() const { return player_.failure(); }
    // "Replay x2", "Replay x2 - paused", "Replay - end".
    std::string statusText() const;

    // How far the replay's own clock has come.
    std::int64_t replayMilliseconds() const { return player_.clockMilliseconds(); }
    // The re-run game, to draw.
    const GameState& state() const { return player_.state(); }
    const GameSettings& rules() const { return player_.settings(); }

private:
    // Real time for the engine's waits, divided by the speed; counts what
    // the replay asked to wait, which its clock shows as time passed.
    struct PacedClock : Clock {
        explicit PacedClock(Clock& real) : real(real) {}
        std::uint32_t milliseconds() override { return real.milliseconds(); }
        void sleep(std::uint32_t ms) override {
            waited += ms;
            real.sleep(ms / static_cast<std::uint32_t>(speed));
        }
        std::int64_t calendarSeconds() override { return real.calendarSeconds(); }
        LocalTime localTime() override { return real.localTime(); }

        Clock& real;
        int speed = 1;
        std::int64_t waited = 0;
    };

    // Before the player, which reads them.
    std::vector<std::uint8_t> events_;
    PacedClock pacing_;
    ReplayPlayer player_;
    std::uint32_t lastTick_;
    // Replay clock owed to the real time passed; below zero while the
    // replay is ahead (an animation's wait counts before the time passes).
    std::int64_t owed_ = 0;
    bool paused_ = false;
};

}  // namespace tintfall
