#pragma once
// The local time the tests' clocks show where a date is written: Sunday,
// 5 January 2003 9:05:07, with no leading zero on the day or the hour.
#include "platform/Clock.h"

namespace tintfall {

inline constexpr LocalTime kSampleTime{2003, 1, 5, 0, 9, 5, 7};

}  // namespace tintfall
