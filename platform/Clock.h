#pragma once
// Time as the program sees it: the wrapping millisecond clock, a blocking
// wait, the calendar time in seconds (the random seed) and local time.
#include <cstdint>

namespace tintfall {

struct LocalTime {
    int year = 1970;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int weekday = 4;    // 0 = Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t milliseconds() = 0;
    virtual void sleep(std::uint32_t ms) = 0;
    virtual std::int64_t calendarSeconds() = 0;
    virtual LocalTime localTime() = 0;
};

}  // namespace tintfall
