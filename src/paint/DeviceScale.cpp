#include "paint/DeviceScale.h"

#include <cmath>

namespace quil::paint {
namespace {

// A whole number computed in floating point may land a hair beside itself;
// such a hair must not widen a rectangle by a whole pixel.
constexpr double kHair = 1e-9;

int Floor(double value) { return static_cast<int>(std::floor(value + kHair)); }
int Ceil(double value) { return static_cast<int>(std::ceil(value - kHair)); }

PixelRect Between(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }

}  // namespace

int ScaledLength(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

PixelRect ScaledOutward(const PixelRect& rect, double scale) {
  return Between(Floor(rect.x * scale), Floor(rect.y * scale), Ceil((rect.x + rect.width) * scale),
                 Ceil((rect.y + rect.height) * scale));
}

PixelRect UnscaledOutward(const PixelRect& rect, double scale) {
  return Between(Floor(rect.x / scale), Floor(rect.y / scale), Ceil((rect.x + rect.width) / scale),
                 Ceil((rect.y + rect.height) / scale));
}

}  // namespace quil::paint
