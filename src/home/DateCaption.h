#pragma once

#include <string>

#include "runtime/Platform.h"

namespace quil::home {

// "Sun" to "Sat" for weekday 1 (Sunday) to 7.
std::string WeekdayName(int weekdayNumber);

// Month and day without leading zeros, "12/30", built from the date itself so
// that the label reads the same whatever the locale's short-date form.
std::string MonthAndDay(const rt::CalendarDate& date);

}  // namespace quil::home
