#pragma once
// The system's millisecond clock, Sleep, the calendar time and the local time.
#include <windows.h>

#include <ctime>

#include "platform/Clock.h"

namespace tintfall {

class Win32Clock : public Clock {
public:
    std::uint32_t milliseconds() override { return timeGetTime(); }
    void sleep(std::uint32_t ms) override { Sleep(ms); }
    std::int64_t calendarSeconds() override { return static_cast<std::int64_t>(std::time(nullptr)); }
    LocalTime localTime() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        LocalTime time;
        time.year = now.wYear;
        time.month = now.wMonth;
        time.day = now.wDay;
        time.weekday = now.wDayOfWeek;
        time.hour = now.wHour;
        time.minute = now.wMinute;
        time.second = now.wSecond;
        return time;
    }
};

}  // namespace tintfall
