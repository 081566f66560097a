#pragma once

#include <cstdint>
#include <limits>

namespace quil::rt {

// Moments and durations in microseconds on the platform's monotonic clock.
using Micros = std::int64_t;

inline constexpr Micros kForever = std::numeric_limits<Micros>::max();
inline constexpr Micros Milliseconds(std::int64_t ms) { return ms * 1000; }

// Timers tick at most this often: 64 times a second. The zoom, the page scroll
// and the music panel's slide ask for 1 ms and so run at this pace, which sets
// how long each of them takes.
inline constexpr Micros kTimerResolution = 15625;

}  // namespace quil::rt
