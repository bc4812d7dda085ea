#pragma once
// A clock that moves only when told: sleeping advances it, so animations and
// whole games run in no real time.
#include "platform/Clock.h"

namespace tintfall {

class ManualClock : public Clock {
public:
    std::uint32_t milliseconds() override { return now_; }
    void sleep(std::uint32_t ms) override { now_ += ms; slept_ += ms; }
    std::int64_t calendarSeconds() override { return calendarSeconds_ + now_ / 1000; }
    LocalTime localTime() override { return localTime_; }

    void advance(std::uint32_t ms) { now_ += ms; }
    void setMilliseconds(std::uint32_t ms) { now_ = ms; }
    void setCalendarSeconds(std::int64_t seconds) { calendarSeconds_ = seconds; }
    void setLocalTime(const LocalTime& time) { localTime_ = time; }
    std::uint64_t totalSlept() const { return slept_; }

private:
    std::uint32_t now_ = 0;
    std::uint64_t slept_ = 0;
    std::int64_t calendarSeconds_ = 1000000000;
    LocalTime localTime_{};
};

}  // namespace tintfall
