#include "home/DateCaption.h"

#include <array>

namespace quil::home {

std::string WeekdayName(int weekdayNumber) {
  static constexpr std::array<const char*, 7> kNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  return weekdayNumber >= 1 && weekdayNumber <= 7 ? kNames[static_cast<std::size_t>(weekdayNumber - 1)] : "";
}

std::string MonthAndDay(const rt::CalendarDate& date) {
  return std::to_string(date.month) + "/" + std::to_string(date.day);
}

}  // namespace quil::home
