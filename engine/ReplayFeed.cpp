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

bool ReplayFeed::read() {
    if (events_.ok()) return true;
    fail("the replay is cut short");
    return false;
}

void ReplayFeed::tickStarts(std::optional<std::uint32_t> reading) {
    ++ticks_;
    tickReading_ = reading;
    if (!stretchClockSeen_) return;
    const std::uint64_t periods = ticks_ - stretchFirstTick_;
    const std::int64_t grid = periods > 1 ? static_cast<std::int64_t>(periods - 1) * kReplayTickPeriod : 0;
    stretchFloor_ = stretchFloor_ + waitsThisTick_ > grid ? stretchFloor_ + waitsThisTick_ : grid;
    waitsThisTick_ = 0;
}

void ReplayFeed::newStretch() {
    clockBefore_ += stretchElapsed_;
    stretchClockSeen_ = stretchCalendarSeen_ = false;
    stretchElapsed_ = stretchFloor_ = waitsThisTick_ = 0;
    now_ = 0;
}

std::uint32_t ReplayFeed::milliseconds() {
    std::int64_t advance = 0;
    if (tickReading_) {
        advance = *tickReading_;
        tickReading_.reset();
    } else if (expect(ReplayReading)) {
        advance = events_.signedNumber();
        if (!read()) return now_;
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
        stretchFloor_ = waitsThisTick_ = 0;
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
    const std::int64_t floor = stretchFloor_ + waitsThisTick_;
    const std::int64_t shown = stretchElapsed_ + kReplayPaceSlackMs + stretchElapsed_ * kReplayPaceSlackPercent / 100;
    if (shown < floor)
        fail("the clock runs slower than the game's pace: " + std::to_string(stretchElapsed_) + " ms for " +
             std::to_string(floor) + " ms of ticks and waits");
}

void ReplayFeed::sleep(std::uint32_t ms) {
    if (!expect(ReplaySleep)) return;
    const std::uint64_t recorded = events_.number();
    if (!read()) return;
    if (recorded != ms) {
        fail("out of step: a wait of another length");
        return;
    }
    if (stretchClockSeen_ && ms >= kReplayShortestCountedWait) waitsThisTick_ += ms;
    if (pacing_) pacing_->sleep(ms);
}

std::int64_t ReplayFeed::calendarSeconds() {
    if (!expect(ReplayCalendar)) return 0;
    const std::int64_t seconds = events_.signedNumber();
    if (!read()) return 0;
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
    const bool yes = events_.byte() != 0;
    return read() && yes;
}

std::string ReplayFeed::dateTimeText() {
    if (!expect(ReplayDateText)) return {};
    std::string text = events_.text(kLongestDateText);
    if (!read()) return {};
    return text;
}

std::int32_t ReplayFeed::bestLocalScore(std::int32_t) {
    if (!expect(ReplayBestScore)) return 0;
    const std::int32_t score = events_.int32();
    return read() ? score : 0;
}

}  // namespace tintfall
