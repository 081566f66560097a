#include "paint/MessageIcon.h"

#include <numbers>

namespace quil::paint {
namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;

void Disc(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, kFullTurn);
}

void Cross(cairo_t* cr, double cx, double cy, double size) {
  const double arm = size * 0.2;
  cairo_set_line_width(cr, size * 0.11);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx - arm, cy - arm);
  cairo_line_to(cr, cx + arm, cy + arm);
  cairo_move_to(cr, cx + arm, cy - arm);
  cairo_line_to(cr, cx - arm, cy + arm);
  cairo_stroke(cr);
}

void LetterI(cairo_t* cr, double cx, double cy, double size) {
  Disc(cr, cx, cy - size * 0.22, size * 0.07);
  cairo_fill(cr);
  const double stem = size * 0.11;
  cairo_rectangle(cr, cx - stem / 2, cy - size * 0.09, stem, size * 0.34);
  cairo_fill(cr);
}

}  // namespace

void DrawMessageIcon(cairo_t* cr, rt::MessageBoxStyle style, double x, double y, double size) {
  const double cx = x + size / 2;
  const double cy = y + size / 2;
  cairo_save(cr);
  cairo_new_path(cr);
  Disc(cr, cx, cy, size / 2 - 0.5);
  if (style == rt::MessageBoxStyle::Stop)
    cairo_set_source_rgb(cr, 0.86, 0.08, 0.08);
  else
    cairo_set_source_rgb(cr, 0.12, 0.35, 0.85);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  cairo_set_source_rgb(cr, 1, 1, 1);
  if (style == rt::MessageBoxStyle::Stop)
    Cross(cr, cx, cy, size);
  else
    LetterI(cr, cx, cy, size);
  cairo_restore(cr);
}

}  // namespace quil::paint
