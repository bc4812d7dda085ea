#include "engine/ReplayRecorder.h"

namespace tintfall {

void putLoadedFlags(std::vector<std::uint8_t>& out, const GameState& state) {
    putReplaySigned(out, state.notPaused);
    putReplaySigned(out, state.appActive);
    putReplaySigned(out, state.clockRunning);
    for (const KeyTracker& key : state.keys) {
        putReplaySigned(out, key.held);
        putReplaySigned(out, key.repeatPhase);
        putReplayNumber(out, key.pressTime);
        putReplaySigned(out, key.tapped);
    }
}

namespace {
// Room for most games (an hour of play, ten minutes of a key every tick),
// so a game seldom grows the buffer while it is played; a longer game's
// room is given back when the next one starts.
constexpr std::size_t kReservedEventBytes = 256 * 1024;
}  // namespace

void ReplayRecorder::restart() {
    if (events_.capacity() > kReservedEventBytes) std::vector<std::uint8_t>().swap(events_);
    events_.clear();
    if (enabled_) events_.reserve(kReservedEventBytes);
    finished_ = false;
    unwrittenTicks_ = 0;
    quickReadings_ = false;
}

void ReplayRecorder::begin(const GameSettings& settings, const GameState& state) {
    restart();
    recording_ = enabled_;
    if (!recording_) return;
    put(ReplayBegin);
    putRules(settings);
    putReplaySigned(events_, state.gameRunning);
    putLoadedFlags(events_, state);
}

void ReplayRecorder::continueSaved(const std::vector<std::uint8_t>& events, const GameSettings& settings,
                                   const GameState& state) {
    restart();
    events_.insert(events_.end(), events.begin(), events.end());
    recording_ = enabled_ && !events_.empty();
    if (!recording_) {
        events_.clear();
        return;
    }
    put(ReplayLoaded);
    putRules(settings);
    putLoadedFlags(events_, state);
}

void ReplayRecorder::finish() {
    if (!recording_) return;
    recording_ = quickReadings_ = false;
    finished_ = true;
}

void ReplayRecorder::abandon() {
    recording_ = finished_ = quickReadings_ = false;
    events_.clear();
}

const std::vector<std::uint8_t>& ReplayRecorder::finishedGame() const {
    static const std::vector<std::uint8_t> none;
    return finished_ ? events_ : none;
}

std::vector<std::uint8_t> ReplayRecorder::gameSoFar() {
    if (!recording_) return {};
    flushIdle();
    return events_;
}

void ReplayRecorder::putRules(const GameSettings& settings) {
    rules_ = replayRulesOf(settings);
    for (std::int32_t v : rules_.values) putReplaySigned(events_, v);
    for (std::int32_t v : rules_.keyDelay) putReplaySigned(events_, v);
    for (std::int32_t v : rules_.keyCode) putReplaySigned(events_, v);
}

void ReplayRecorder::flushIdle(std::uint64_t idleTicks) {
    unwrittenTicks_ = 0;
    if (idleTicks == 0) return;
    if (idleTicks == 1) {
        put(ReplayTick);
    } else {
        put(ReplayIdleTicks);
        putReplayNumber(events_, idleTicks);
    }
}

void ReplayRecorder::rulesChanged(const GameSettings& settings) {
    if (!recording_ || replayRulesOf(settings) == rules_) return;
    flushIdle();
    put(ReplayRules);
    putRules(settings);
}

void ReplayRecorder::command(ReplayTag tag, std::initializer_list<std::int64_t> values) {
    if (!recording_) return;
    flushIdle();
    put(tag);
    for (std::int64_t v : values) putReplaySigned(events_, v);
}

void ReplayRecorder::anyReading(std::uint32_t now) {
    // The first reading of a game or a loaded game is the clock itself; each
    // later one its advance since the last.
    const std::int64_t advance = quickReadings_ ? static_cast<std::int32_t>(now - lastReading_) : std::int64_t{now};
    quickReadings_ = true;
    lastReading_ = now;
    if (unwrittenTicks_ > 0 && advance >= 0 && advance < 0x80) {
        flushIdle(unwrittenTicks_ - 1);
        events_.push_back(static_cast<std::uint8_t>(kReplayTickWithReading | advance));
        return;
    }
    beforeValue();
    put(ReplayReading);
    putReplaySigned(events_, advance);
}

void ReplayRecorder::beforeValue() {
    if (unwrittenTicks_ == 0) return;
    flushIdle(unwrittenTicks_ - 1);
    put(ReplayTick);
}

void ReplayRecorder::sleep(std::uint32_t ms) {
    if (!recording_) return;
    beforeValue();
    put(ReplaySleep);
    putReplayNumber(events_, ms);
}

void ReplayRecorder::calendar(std::int64_t seconds) {
    if (!recording_) return;
    beforeValue();
    put(ReplayCalendar);
    putReplaySigned(events_, seconds);
}

void ReplayRecorder::dateText(const std::string& text) {
    if (!recording_) return;
    beforeValue();
    put(ReplayDateText);
    putReplayNumber(events_, text.size());
    events_.insert(events_.end(), text.begin(), text.end());
}

void ReplayRecorder::answer(bool yes) {
    if (!recording_) return;
    beforeValue();
    put(ReplayAnswer);
    events_.push_back(yes ? 1 : 0);
}

void ReplayRecorder::bestScore(std::int32_t score) {
    if (!recording_) return;
    beforeValue();
    put(ReplayBestScore);
    putReplaySigned(events_, score);
}

}  // namespace tintfall
