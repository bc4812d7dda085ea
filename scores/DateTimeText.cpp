#include "scores/DateTimeText.h"

#include <array>
#include <cstdio>

namespace tintfall {

namespace {

const std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
const std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};

template <std::size_t N>
const char* nameAt(const std::array<const char*, N>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? names[static_cast<std::size_t>(index)] : "";
}

}  // namespace

std::string dateTimeText(const LocalTime& t) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%s, %d %s %04d %d:%02d:%02d", nameAt(kWeekdays, t.weekday), t.day,
                  nameAt(kMonths, t.month - 1), t.year, t.hour, t.minute, t.second);
    return buffer;
}

}  // namespace tintfall
