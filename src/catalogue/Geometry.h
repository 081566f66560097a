#pragma once

namespace quil::catalogue {

// Positions and sizes of controls in twips, 15 to a pixel of the screen.
struct TwipsRect {
  double left, top, width, height;
};

// The size of a picture as drawn.
struct PixelSize {
  int width, height;
};

}  // namespace quil::catalogue
