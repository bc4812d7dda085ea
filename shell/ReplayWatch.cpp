#include "shell/ReplayWatch.h"

#include <algorithm>
#include <utility>

namespace tintfall {

namespace {
// A hostile replay may make its ticks cost no time; the window still gets
// its turn.
constexpr int kMostReplayTicksPerTimerTick = 256;
}  // namespace

ReplayWatch::ReplayWatch(std::vector<std::uint8_t> events, GameHost& presentation, Clock& clock)
    : events_(std::move(events)),
      pacing_(clock),
      player_(events_, &presentation, &pacing_),
      lastTick_(clock.milliseconds()) {}

void ReplayWatch::onTick() {
    const std::uint32_t now = pacing_.real.milliseconds();
    const std::int64_t passed = static_cast<std::uint32_t>(now - lastTick_);
    lastTick_ = now;
    // Time paused is not owed.
    if (paused_ || ended()) return;
    owed_ = std::min(owed_ + passed * speed(), kReplayLongestCatchUpMs * speed());
    for (int ticks = 0; owed_ > 0 && ticks < kMostReplayTicksPerTimerTick; ++ticks) {
        const std::int64_t clockBefore = player_.clockMilliseconds();
        const std::int64_t waitedBefore = pacing_.waited;
        if (!player_.stepTick()) return;
        const std::int64_t waited = pacing_.waited - waitedBefore;
        owed_ -= std::min(player_.clockMilliseconds() - clockBefore, waited + kReplayLongestShownStallMs);
    }
}

void ReplayWatch::togglePause() {
    if (ended()) return;
    paused_ = !paused_;
}

void ReplayWatch::faster() {
    pacing_.speed = pacing_.speed >= 4 ? 1 : pacing_.speed * 2;
}

std::string ReplayWatch::statusText() const {
    if (ended()) return "Replay - end";
    return "Replay x" + std::to_string(speed()) + (paused_ ? " - paused" : "");
}

}  // namespace tintfall
