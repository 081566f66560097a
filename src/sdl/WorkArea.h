#pragma once

#include <span>

#include "paint/PixelRect.h"

namespace quil::sdl {

// What a window manager's frame adds around a window's inside, in pixels.
struct FrameExtents {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The window's inside, made no larger than the work area leaves room for
// with the frame around it, and moved no further than needed for the whole
// framed window to lie in the work area: the title bar is never off the
// screen, so the window can always be dragged.
paint::PixelRect KeptInside(paint::PixelRect inside, const paint::PixelRect& work, const FrameExtents& frame);

// The monitor a window opens on: the one under the pointer, else the first
// (SDL lists the primary monitor first).
int MonitorAt(int x, int y, std::span<const paint::PixelRect> monitors);

}  // namespace quil::sdl
