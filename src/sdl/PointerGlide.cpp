#include "sdl/PointerGlide.h"

#include <algorithm>
#include <cmath>

namespace quil::sdl {
namespace {

// A stick at rest reads a little off its middle; that is no push.
constexpr double kDeadZone = 0.25;

// Pixels a second at the start of a push, at its full speed, and the seconds
// the speed takes to grow from one to the other.
struct Pace {
  double start;
  double top;
  double rampSeconds;
};
constexpr Pace kStick{300, 1200, 0.6};
constexpr Pace kPad{100, 900, 0.8};

// A step that waited longer than this (the program was busy) moves no further.
constexpr rt::Micros kLongestStep = 50'000;

double Speed(const Pace& pace, rt::Micros held) {
  const double grown = std::min(1.0, static_cast<double>(held) / 1e6 / pace.rampSeconds);
  return pace.start + (pace.top - pace.start) * grown;
}

}  // namespace

bool PointerGlide::AtRest(double x, double y) { return std::hypot(x, y) <= kDeadZone; }

void PointerGlide::Stick(double x, double y, rt::Micros now) {
  const bool was = Moving();
  const double length = std::hypot(x, y);
  if (AtRest(x, y)) {
    stick_ = {};
  } else {
    // Squared, so that half a push is a quarter of the speed: fine steps near the middle.
    const double share = std::min(1.0, (length - kDeadZone) / (1 - kDeadZone));
    stick_ = {x / length * share * share, y / length * share * share};
  }
  Pushed(was, now);
}

void PointerGlide::Pad(int x, int y, rt::Micros now) {
  const bool was = Moving();
  padX_ = x;
  padY_ = y;
  Pushed(was, now);
}

void PointerGlide::Pushed(bool was, rt::Micros now) {
  if (!was && Moving()) since_ = last_ = now;
}

bool PointerGlide::Moving() const { return padX_ != 0 || padY_ != 0 || stick_.x != 0 || stick_.y != 0; }

PointerGlide::Offset PointerGlide::Step(rt::Micros now) {
  const double seconds = static_cast<double>(std::clamp<rt::Micros>(now - last_, 0, kLongestStep)) / 1e6;
  last_ = now;
  if (!Moving()) return {};
  if (padX_ != 0 || padY_ != 0) {
    const double length = std::hypot(padX_, padY_);
    const double distance = Speed(kPad, now - since_) * seconds;
    return {padX_ / length * distance, padY_ / length * distance};
  }
  const double distance = Speed(kStick, now - since_) * seconds;
  return {stick_.x * distance, stick_.y * distance};
}

}  // namespace quil::sdl
