#pragma once

#include "paint/PixelRect.h"

namespace quil::paint {

// How the screen's pixels lie on a device that shows each of them as `scale`
// device pixels across: a screen of 800 pixels is 1600 at 2, 1200 at 1.5.

// The device's length for a length of screen pixels.
int ScaledLength(int pixels, double scale);

// The device pixels that show some part of `rect`: it rounded outwards.
PixelRect ScaledOutward(const PixelRect& rect, double scale);

// The screen pixels that some part of the device pixels `rect` shows. At a
// scale that is not whole a device pixel shows parts of two screen pixels.
PixelRect UnscaledOutward(const PixelRect& rect, double scale);

}  // namespace quil::paint
