#pragma once

#include <cairo.h>

#include "runtime/Tooltip.h"
#include "paint/PixelRect.h"
#include "paint/TextPainter.h"

namespace quil::paint {

// The tooltip box: just below and right of the pointer, kept on the screen.
class TooltipPainter {
 public:
  explicit TooltipPainter(TextPainter& text) : text_(text) {}

  // Where the box goes for this tooltip on a screen of the given size.
  PixelRect Place(const rt::Tooltip& tooltip, int screenWidth, int screenHeight);
  void Paint(cairo_t* cr, const rt::Tooltip& tooltip, int screenWidth, int screenHeight);

 private:
  TextBlock Text(const rt::Tooltip& tooltip);

  TextPainter& text_;
};

}  // namespace quil::paint
