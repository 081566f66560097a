#pragma once

#include <cairo.h>

#include "runtime/Picture.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// Draws a picture over what is already there, its alpha respected.
void DrawPicture(cairo_t* cr, const rt::Picture& picture, double x, double y);
// Draws a picture scaled to fill `box`.
void DrawPictureStretched(cairo_t* cr, const rt::Picture& picture, const PixelRect& box);
// The picture drawn afresh `scale` times its size, its hot spot moved with it.
rt::PictureRef ScaledPicture(const rt::Picture& picture, double scale);

}  // namespace quil::paint
