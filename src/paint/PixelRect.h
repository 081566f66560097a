#pragma once

#include <cmath>

#include "runtime/Twips.h"

namespace quil::paint {

// A rectangle on whole pixels. Controls snap to the pixel grid as they did on
// the desktop, so straight edges stay sharp.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
  bool operator==(const PixelRect&) const = default;
};

inline int TwipsToWholePixels(double twips) { return static_cast<int>(std::lround(rt::TwipsToPixels(twips))); }

inline PixelRect ToPixels(const rt::Rect& rect) {
  return {TwipsToWholePixels(rect.left), TwipsToWholePixels(rect.top), TwipsToWholePixels(rect.width),
          TwipsToWholePixels(rect.height)};
}

}  // namespace quil::paint
