#pragma once
// Records the running game as a replay event stream (engine/ReplayEvents.h).
// Game feeds it at its own boundary: each command it accepts from outside
// (only the outermost one: commands that call commands record once) and
// each reading it makes of the clock and the host. Writing is a few bytes
// appended to one buffer, so it costs the tick next to nothing.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/GameState.h"
#include "engine/ReplayEvents.h"
#include "settings/GameSettings.h"

namespace tintfall {

class ReplayRecorder {
public:
    // Off: nothing is recorded (a game re-run from its replay).
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // A new game starts from these rules and the state's flags.
    void begin(const GameSettings& settings, const GameState& state);
    // A loaded game continues the stream saved with it; without one
    // (a game saved by a program that kept none) it is not recorded.
    void continueSaved(const std::vector<std::uint8_t>& events, const GameSettings& settings, const GameState& state);
    // The game ended: its stream is complete and stays until the next begin.
    void finish();
    // The game went without ending (the program's state was reset).
    void abandon();

    bool recording() const { return recording_; }
    // The stream of the game that ended last, empty when it was not recorded.
    const std::vector<std::uint8_t>& finishedGame() const;
    // The stream of the running game so far (what a saved game keeps).
    std::vector<std::uint8_t> gameSoFar();

    // Nesting of commands: only the outermost is recorded.
    bool enterCommand() { return depth_++ == 0; }
    void leaveCommand() { --depth_; }
    void command(ReplayTag tag, std::initializer_list<std::int64_t> values = {});
    // The settings changed: recorded when they change how the game plays.
    void rulesChanged(const GameSettings& settings);

    // One gameStep, counted until the next event: the latest tick is still
    // open (it may yet read the clock), those before it read nothing.
    void tick() { ++unwrittenTicks_; }
    // Inline, for the usual tick: one reading a little after the last.
    void reading(std::uint32_t now) {
        const std::uint32_t advance = now - lastReading_;
        if (quickReadings_ && unwrittenTicks_ == 1 && advance < 0x80) {
            lastReading_ = now;
            unwrittenTicks_ = 0;
            events_.push_back(static_cast<std::uint8_t>(kReplayTickWithReading | advance));
            return;
        }
        if (recording_) anyReading(now);
    }
    void sleep(std::uint32_t ms);
    void calendar(std::int64_t seconds);
    void dateText(const std::string& text);
    void answer(bool yes);
    void bestScore(std::int32_t score);

private:
    void anyReading(std::uint32_t now);
    // An empty stream in the buffer's usual room.
    void restart();
    // Every unwritten tick, the open one too, as ticks that read nothing.
    void flushIdle() { flushIdle(unwrittenTicks_); }
    void flushIdle(std::uint64_t idleTicks);
    // Before a reading: the open tick is written as a tick that reads.
    void beforeValue();
    void put(ReplayTag tag) { events_.push_back(tag); }
    void putRules(const GameSettings& settings);

    std::vector<std::uint8_t> events_;
    bool enabled_ = true;
    bool recording_ = false;
    bool finished_ = false;
    int depth_ = 0;
    // gameSteps since the last event written.
    std::uint64_t unwrittenTicks_ = 0;
    // Recording, and the clock read before: a reading can be an advance.
    bool quickReadings_ = false;
    std::uint32_t lastReading_ = 0;
    ReplayRulesRecord rules_;
};

// Scope of one command Game accepts; top() for the outermost.
class ReplayCommandScope {
public:
    explicit ReplayCommandScope(ReplayRecorder& recorder) : recorder_(recorder), top_(recorder.enterCommand()) {}
    ~ReplayCommandScope() { recorder_.leaveCommand(); }
    ReplayCommandScope(const ReplayCommandScope&) = delete;
    ReplayCommandScope& operator=(const ReplayCommandScope&) = delete;
    bool top() const { return top_; }

private:
    ReplayRecorder& recorder_;
    bool top_;
};

// The state a loaded game brings that its saved file does not hold.
void putLoadedFlags(std::vector<std::uint8_t>& out, const GameState& state);

}  // namespace tintfall
