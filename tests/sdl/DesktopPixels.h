#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/Colour.h"

namespace quil::test {

// The smallest rectangle holding every pixel of one colour; right is -1 when there is none.
struct Extent {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

// Where pixels of the colour lie in a capture of the desktop (RGB bytes, row after row).
inline Extent ExtentOf(const std::string& rgb, int desktopWidth, rt::Rgb wanted) {
  Extent extent;
  const std::size_t pixels = rgb.size() / 3;
  for (std::size_t i = 0; i < pixels; ++i) {
    if (static_cast<std::uint8_t>(rgb[3 * i]) != wanted.r || static_cast<std::uint8_t>(rgb[3 * i + 1]) != wanted.g ||
        static_cast<std::uint8_t>(rgb[3 * i + 2]) != wanted.b)
      continue;
    const int x = static_cast<int>(i % desktopWidth);
    const int y = static_cast<int>(i / desktopWidth);
    extent = {std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x), std::max(extent.bottom, y)};
  }
  return extent;
}

}  // namespace quil::test
