#include "paint/ShapePath.h"

#include <algorithm>
#include <numbers>

namespace quil::paint {
namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 4 * kQuarterTurn);
  cairo_restore(cr);
}

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::clamp(r, 0.0, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kQuarterTurn, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kQuarterTurn);
  cairo_arc(cr, x + r, y + h - r, r, kQuarterTurn, 2 * kQuarterTurn);
  cairo_arc(cr, x + r, y + r, r, 2 * kQuarterTurn, 3 * kQuarterTurn);
  cairo_close_path(cr);
}

}  // namespace

// Corner ellipses a quarter of the shorter side across, as the desktop drew them:
// a page that reaches above the screen hides its upper corners under a banner.
double CornerRadius(double width, double height) { return std::min(width, height) / 8; }

void SetShapePath(cairo_t* cr, rt::ShapeKind kind, double x, double y, double width, double height) {
  cairo_new_path(cr);
  if (width <= 0 || height <= 0) return;
  switch (kind) {
    case rt::ShapeKind::Rectangle:
      cairo_rectangle(cr, x, y, width, height);
      break;
    case rt::ShapeKind::RoundedRectangle:
      RoundedRectangle(cr, x, y, width, height, CornerRadius(width, height));
      break;
    case rt::ShapeKind::Oval:
      Ellipse(cr, x + width / 2, y + height / 2, width / 2, height / 2);
      break;
    case rt::ShapeKind::Circle: {
      const double radius = std::min(width, height) / 2;
      Ellipse(cr, x + width / 2, y + height / 2, radius, radius);
      break;
    }
  }
}

}  // namespace quil::paint
