#include "engine/ReplayFeed.h"

#include <cstdlib>

namespace tintfall {

namespace {
constexpr std::size_t kLongestDateText = 255;
}  // namespace

void ReplayFeed::fail(const std::string& reason) {
    if (failure_.empty()) failure_ = reason;
}

bool ReplayFeed::expect(ReplayTag tag) {
    if (failed()) return false;
    if (events_.atEnd() || events_.peek() != tag) {
        fail("out of step: the game made a reading the replay does not hold at byte " +
             std::to_string(events_.position()));
        return false;
    }
    events_.byte();
    return true;
}

void ReplayFeed::tickStarts(std::optional<std::uint32_t> reading) {
    ++ticks_;
    tickReading_ = reading;
}

void ReplayFeed::newStretch() {
    clockBefore_ += stretchElapsed_;
    stretchClockSeen_ = stretchCalendarSeen_ = false;
    stretchElapsed_ = stretchWaits_ = 0;
    now_ = 0;
}

std::uint32_t ReplayFeed::milliseconds() {
    std::int64_t advance = 0;
    if (tickReading_) {
        advance = *tickReading_;
        tickReading_.reset();
    } else if (expect(ReplayReading)) {
        advance = events_.signedNumber();
    } else {
        return now_;
    }
    if (!stretchClockSeen_) {
        // The stretch is measured from its first reading, the clock itself.
        if (advance < 0 || advance > UINT32_MAX) {
            fail("a clock reading out of range");
            return now_;
        }
        stretchClockSeen_ = true;
        stretchFirstTick_ = ticks_;
        stretchWaits_ = 0;
        now_ = static_cast<std::uint32_t>(advance);
        return now_;
    }
    if (advance < 0 || advance > INT32_MAX) {
        fail("the clock runs backwards");
        return now_;
    }
    now_ += static_cast<std::uint32_t>(advance);
    stretchElapsed_ += advance;
    checkPace();
    return now_;
}

void ReplayFeed::checkPace() {
    const std::int64_t tickFloor = static_cast<std::int64_t>(ticks_ - stretchFirstTick_) * kReplayTickPeriod;
    const std::int64_t floor = tickFloor > stretchWaits_ ? tickFloor : stretchWaits_;
    const std::int64_t shown = stretchElapsed_ + kReplayPaceSlackMs + stretchElapsed_ * kReplayPaceSlackPercent / 100;
    if (shown < floor)
        fail("the clock runs slower than the game's pace: " + std::to_string(stretchElapsed_) + " ms for " +
             std::to_string(floor) + " ms of ticks and waits");
}

void ReplayFeed::sleep(std::uint32_t ms) {
    if (!expect(ReplaySleep)) return;
    if (events_.number() != ms) {
        fail("out of step: a wait of another length");
        return;
    }
    if (stretchClockSeen_ && ms >= kReplayShortestCountedWait) stretchWaits_ += ms;
    if (pacing_) pacing_->sleep(ms);
}

std::int64_t ReplayFeed::calendarSeconds() {
    if (!expect(ReplayCalendar)) return 0;
    const std::int64_t seconds = events_.signedNumber();
    if (!stretchCalendarSeen_) {
        stretchCalendarSeen_ = true;
        stretchCalendarStart_ = seconds;
        stretchCalendarClock_ = stretchElapsed_;
        return seconds;
    }
    const std::int64_t clockSeconds = (stretchElapsed_ - stretchCalendarClock_) / 1000;
    const std::int64_t slack = kReplayCalendarSlackSeconds + clockSeconds * kReplayPaceSlackPercent / 100;
    if (std::llabs((seconds - stretchCalendarStart_) - clockSeconds) > slack)
        fail("the calendar does not follow the clock: the seed was changed");
    return seconds;
}

bool ReplayFeed::askYesNo(const std::string&) {
    if (!expect(ReplayAnswer)) return false;
    return events_.byte() != 0;
}

std::string ReplayFeed::dateTimeText() {
    if (!expect(ReplayDateText)) return {};
    return events_.text(kLongestDateText);
}

std::int32_t ReplayFeed::bestLocalScore(std::int32_t) {
    if (!expect(ReplayBestScore)) return 0;
    return events_.int32();
}

}  // namespace tintfall
