#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/Colour.h"
#include "runtime/Picture.h"
#include "paint/ScreenSize.h"

namespace quil::test {

inline rt::Rgb RgbOf(std::uint32_t pixel) {
  return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel)};
}

// Reads back a painted 800 x 600 screen.
class PixelProbe {
 public:
  explicit PixelProbe(std::vector<std::uint32_t> pixels) : pixels_(std::move(pixels)) {}
  rt::Rgb At(int x, int y) const { return RgbOf(pixels_.at(static_cast<std::size_t>(y) * paint::kScreenWidth + x)); }
  // The darkest channel value in the rectangle: ink shows as a low number.
  int Darkest(int x, int y, int width, int height) const {
    int darkest = 255;
    for (int py = y; py < y + height; ++py)
      for (int px = x; px < x + width; ++px) {
        const rt::Rgb c = At(px, py);
        darkest = std::min({darkest, int{c.r}, int{c.g}, int{c.b}});
      }
    return darkest;
  }

 private:
  std::vector<std::uint32_t> pixels_;
};

// A picture of one premultiplied ARGB value.
inline rt::PictureRef SolidPicture(int width, int height, std::uint32_t argb) {
  return std::make_shared<rt::Picture>(width, height,
                                       rt::Picture::Pixels32(static_cast<std::size_t>(width) * height, argb));
}

// Left half one colour, right half another: shows where a picture's columns land.
inline rt::PictureRef SplitPicture(int width, int height, std::uint32_t left, std::uint32_t right) {
  rt::Picture::Pixels32 pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(x < width / 2 ? left : right);
  return std::make_shared<rt::Picture>(width, height, std::move(pixels));
}

}  // namespace quil::test
