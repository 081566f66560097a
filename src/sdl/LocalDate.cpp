#include "sdl/LocalDate.h"

namespace quil::sdl {

rt::CalendarDate LocalDate(std::time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday + 1};
}

}  // namespace quil::sdl
