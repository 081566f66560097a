#pragma once

#include <cairo.h>

#include "runtime/Colour.h"

namespace quil::paint {

inline void SetSourceColour(cairo_t* cr, rt::Colour colour) {
  const rt::Rgb rgb = rt::ToRgb(colour);
  cairo_set_source_rgb(cr, rgb.r / 255.0, rgb.g / 255.0, rgb.b / 255.0);
}

}  // namespace quil::paint
