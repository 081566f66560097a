#pragma once

#include <ctime>

#include "runtime/Platform.h"

namespace quil::sdl {

// The calendar date of a moment on the machine's clock, in its local time
// zone, with the weekday counted from Sunday = 1.
rt::CalendarDate LocalDate(std::time_t moment);

}  // namespace quil::sdl
