#pragma once

namespace quil::rt {

// Positions and sizes are real numbers of twips. Forms are laid out at 15
// twips to a pixel, the density of the 800 x 600 screen the program runs on.
inline constexpr double kTwipsPerPixel = 15.0;

inline constexpr double TwipsToPixels(double twips) { return twips / kTwipsPerPixel; }
inline constexpr double PixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

struct Rect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
  bool Contains(double x, double y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
};

}  // namespace quil::rt
