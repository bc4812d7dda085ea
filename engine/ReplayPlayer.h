#pragma once
// Plays a replay event stream on the engine, command by command: the same
// Game, rules and state as the recorded game, with its clock and host
// answered from the stream. The judge and the tests run it headless to the
// game's result; a viewer steps it tick by tick onto its own presentation.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ReplayFeed.h"
#include "scores/ScoreEntry.h"
#include "settings/GameSettings.h"

namespace tintfall {

// A whole replay may hold at most this many commands (each idle tick
// counts): about 22 hours of play at the window's 50 ticks a second.
inline constexpr std::uint64_t kReplayMaxSteps = 4000000;

class ReplayPlayer {
public:
    // events: the stream, which must outlive the player. presentation and
    // pacing as for ReplayFeed; none for a headless re-run.
    explicit ReplayPlayer(const std::vector<std::uint8_t>& events, GameHost* presentation = nullptr,
                          Clock* pacing = nullptr);
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // Carries out the next command; false once the replay is over (its game
    // ended, or it failed).
    bool step();
    // Commands up to and including the next tick: what a window shows in
    // one tick of its timer.
    bool stepTick();
    // To the end: the game's result, or failed() with the reason.
    void runToEnd();

    const GameState& state() const { return state_; }
    const GameSettings& settings() const { return settings_; }
    bool over() const { return over_; }
    bool failed() const { return feed_.failed(); }
    const std::string& failure() const { return feed_.failure(); }
    // The ended game's result (name empty, country "Local").
    const std::optional<ScoreEntry>& result() const { return feed_.result(); }
    std::uint64_t ticks() const { return feed_.ticks(); }
    std::int64_t clockMilliseconds() const { return feed_.clockMilliseconds(); }

private:
    bool carryOut(std::uint8_t tag);
    void readRules();
    void readFlags();
    void tick(std::optional<std::uint32_t> reading);
    void fail(const std::string& reason);
    // A command of one value: carried out when the value reads.
    template <class Command>
    bool withValue(Command command) {
        const std::int32_t value = events_.int32();
        if (events_.ok()) command(value);
        return true;
    }

    ReplayEventReader events_;
    ReplayFeed feed_;
    GameState state_;
    GameSettings settings_;
    Game game_;
    std::uint64_t steps_ = 0;
    bool begun_ = false;
    bool over_ = false;
    bool lastWasTick_ = false;
};

}  // namespace tintfall
