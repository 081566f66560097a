#pragma once

#include <cairo.h>

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

// The screen pixel that the device pixel `device` (a column or a row) shows
// most of; a device pixel before the first screen pixel gives a negative one.
int ScreenPixelAt(int device, double scale);

// Fills the rectangle from (left, top) to (right, bottom) of user space with
// its edges moved to the nearest device pixel: a straight stroke of the
// screen's pixels stays sharp at any scale, a line of 2 pixels at 1.5 is 3.
void FillOnDevicePixels(cairo_t* cr, double left, double top, double right, double bottom);

}  // namespace quil::paint
