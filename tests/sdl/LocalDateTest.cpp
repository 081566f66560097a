#include "sdl/LocalDate.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

namespace quil::test {
namespace {

// Runs with the given time zone and puts the machine's back afterwards.
class LocalDate : public ::testing::Test {
 protected:
  void TearDown() override {
    if (saved_)
      setenv("TZ", saved_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  void InZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }

 private:
  static std::optional<std::string> Zone() {
    const char* zone = getenv("TZ");
    return zone ? std::optional<std::string>(zone) : std::nullopt;
  }
  std::optional<std::string> saved_ = Zone();
};

std::string Text(const rt::CalendarDate& date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day) + ", day " +
         std::to_string(date.weekday) + " of the week";
}

// The moments are UTC; the date is the local one, across midnight either way.
TEST_F(LocalDate, GivesTheLocalDayWithTheWeekdayFromSunday) {
  InZone("UTC0");
  EXPECT_EQ(Text(sdl::LocalDate(1230638400)), "2008-12-30, day 3 of the week");  // Tue 30 Dec 2008, 12:00 UTC
  InZone("EST5");
  EXPECT_EQ(Text(sdl::LocalDate(1231129800)), "2009-1-4, day 1 of the week");  // Mon 5 Jan 2009, 04:30 UTC
  InZone("<+14>-14");
  EXPECT_EQ(Text(sdl::LocalDate(1325241000)), "2011-12-31, day 7 of the week");  // Fri 30 Dec 2011, 10:30 UTC
}

}  // namespace
}  // namespace quil::test
