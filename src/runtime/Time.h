#pragma once

#include <cstdint>
#include <limits>

namespace quil::rt {

// Moments and durations in microseconds on the platform's monotonic clock.
using Micros = std::int64_t;

inline constexpr Micros kForever = std::numeric_limits<Micros>::max();
inline constexpr Micros Milliseconds(std::int64_t ms) { return ms * 1000; }

// Timers tick at most this often: 1/64 s, the timer resolution of the desktop
// the design was made for. A 1 ms animation timer thus gives the zoom, the
// page scroll and the panel slide the durations they were designed with.
inline constexpr Micros kTimerResolution = 15625;

}  // namespace quil::rt
