#include "paint/DeviceScale.h"

#include <algorithm>
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

// By the middle of the device pixel: at a scale that is not whole a device
// pixel shows parts of two screen pixels, and the one it shows more of wins.
int ScreenPixelAt(int device, double scale) { return static_cast<int>(std::floor((device + 0.5) / scale)); }

void FillOnDevicePixels(cairo_t* cr, double left, double top, double right, double bottom) {
  cairo_user_to_device(cr, &left, &top);
  cairo_user_to_device(cr, &right, &bottom);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  const double x = std::round(std::min(left, right));
  const double y = std::round(std::min(top, bottom));
  cairo_rectangle(cr, x, y, std::round(std::max(left, right)) - x, std::round(std::max(top, bottom)) - y);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace quil::paint
