#include <cmath>

#include "Scenes.h"

namespace quil::assetgen {

void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb colour, double alpha) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, colour, alpha);
  cairo_fill(cr);
}

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, std::max(rx, 0.5), std::max(ry, 0.5));
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
}

void Sky(cairo_t* cr, int w, double bottom, Rgb top, Rgb low, bool flat) {
  if (flat) {
    Rect(cr, 0, 0, w, bottom, top);
    return;
  }
  constexpr int kBands = 10;
  for (int i = 0; i < kBands; ++i)
    Rect(cr, 0, std::floor(bottom * i / kBands), w, std::ceil(bottom / kBands) + 1, Mix(top, low, i / (kBands - 1.0)));
}

void Figure(cairo_t* cr, double x, double feet, double size, Rgb body, Rgb skin, bool facingRight) {
  double u = size / 8, dir = facingRight ? 1 : -1;
  Rect(cr, x - 1.5 * u, feet - 2 * u, 1.2 * u, 2 * u, Darker(body, 0.5));
  Rect(cr, x + 0.3 * u, feet - 2 * u, 1.2 * u, 2 * u, Darker(body, 0.5));
  Rect(cr, x - 2 * u, feet - 5.2 * u, 4 * u, 3.4 * u, body);
  Rect(cr, x + dir * 1.6 * u - 0.6 * u, feet - 5 * u, 1.2 * u, 2.6 * u, skin);
  Rect(cr, x - 1.5 * u, feet - 8 * u, 3 * u, 2.9 * u, skin);
  Rect(cr, x - 1.6 * u, feet - 8.3 * u, 3.2 * u, 1.1 * u, Darker(body, 0.35));
  Rect(cr, x + dir * 0.6 * u - 0.3 * u, feet - 7 * u, std::max(1.0, 0.6 * u), std::max(1.0, 0.7 * u), Hex(0x101010));
}

void Hud(cairo_t* cr, int w, const char* left, const char* right, Rgb colour, bool pixelated) {
  TextStyle style{.font = "DejaVu Sans Mono Bold", .fill = colour, .outline = pixelated ? 0.0 : 1.0,
                  .outlineColour = Hex(0x000000), .crisp = true};
  double size = pixelated ? 7 : 10;
  PlaceText(cr, left, style, size, 4, 2);
  if (right) {
    PlaceText(cr, right, style, size, w - 4 - size * 0.62 * static_cast<double>(std::char_traits<char>::length(right)), 2);
  }
}

}  // namespace quil::assetgen
