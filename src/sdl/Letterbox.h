#pragma once

#include <optional>

#include "paint/PixelRect.h"

namespace quil::sdl {

// A pixel of the screen or of the window, by its column and row.
struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Where the 800 x 600 screen lies in a window of any size: as large as the
// window allows with its shape kept, in the middle, black bars on the two
// sides the window has to spare. Maps the window's pixels to the screen's and
// back; the forms only ever see the screen's.
class Letterbox {
 public:
  Letterbox(int windowWidth, int windowHeight);

  // Device pixels across a screen pixel.
  double Scale() const { return scale_; }
  // The screen's place in the window, in window pixels.
  const paint::PixelRect& Screen() const { return screen_; }
  // The screen pixel that the window pixel shows; nothing in the bars.
  std::optional<PixelPoint> ToScreen(int x, int y) const;
  // The same for a pixel that may lie in the bars or beyond the window: the
  // screen pixel it would show if the screen went on.
  PixelPoint ToScreenBeyond(int x, int y) const;
  // The window pixel in the middle of where the screen pixel is shown.
  PixelPoint ToWindow(PixelPoint screen) const;

 private:
  double scale_;
  paint::PixelRect screen_;
};

// The largest scale, in quarter steps, at which the screen's window fits in a
// work area of this size with room to spare for its frame and the desktop
// around it. Below 1 the area is too small for the menu at its own size.
double ComfortableScale(int areaWidth, int areaHeight);
// The largest scale, in quarter steps, at which the screen's window fills at
// most an area of this size; 0 when not even a quarter step fits.
double LargestScaleWithin(double areaWidth, double areaHeight);

}  // namespace quil::sdl
