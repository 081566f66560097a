#include "paint/TransportSymbol.h"

#include <strings.h>

#include <algorithm>

#include "paint/CairoColour.h"
#include "paint/TextPainter.h"

namespace quil::paint {
namespace {

// The symbols fill about half the em, as the glyphs of the symbol face did.
constexpr double kHeightPerEm = 0.5;

// A triangle with its flat side at `base` and its point towards `tip`.
void Triangle(cairo_t* cr, double base, double tip, double top, double height) {
  cairo_move_to(cr, base, top);
  cairo_line_to(cr, tip, top + height / 2);
  cairo_line_to(cr, base, top + height);
  cairo_close_path(cr);
}

}  // namespace

bool IsSymbolFont(const rt::Font& font) { return strcasecmp(font.family.c_str(), "Webdings") == 0; }

bool DrawTransportSymbol(cairo_t* cr, const std::string& caption, const rt::Font& font, const PixelRect& box,
                         rt::Colour colour) {
  const bool back = caption == "9";
  if (!back && caption != ":") return false;

  const double height = std::max(3.0, TextPainter::PointsToPixels(font.sizePoints) * kHeightPerEm);
  const double bar = std::max(1.0, height * (font.bold ? 0.2 : 0.14));
  const double arrow = height * 0.6;
  const double width = bar + 2 * arrow;
  const double left = box.x + (box.width - width) / 2;
  const double top = box.y + (box.height - height) / 2;

  cairo_new_path(cr);
  if (back) {
    cairo_rectangle(cr, left, top, bar, height);
    Triangle(cr, left + bar + arrow, left + bar, top, height);
    Triangle(cr, left + bar + 2 * arrow, left + bar + arrow, top, height);
  } else {
    Triangle(cr, left, left + arrow, top, height);
    Triangle(cr, left + arrow, left + 2 * arrow, top, height);
    cairo_rectangle(cr, left + 2 * arrow, top, bar, height);
  }
  SetSourceColour(cr, colour);
  cairo_fill(cr);
  return true;
}

}  // namespace quil::paint
