#pragma once
// The date-and-time text of every stored or shown date, for example
// "Sunday, 5 January 2003 9:05:07".
#include <string>

#include "platform/Clock.h"

namespace tintfall {

std::string dateTimeText(const LocalTime& time);

}  // namespace tintfall
