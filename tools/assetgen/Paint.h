#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quil::assetgen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

// A colour as the forms' layout tables write it: 0x00BBGGRR.
constexpr Rgb Bgr(std::uint32_t v) {
  return {(v & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, ((v >> 16) & 0xFF) / 255.0};
}
// A colour of our own artwork, written the usual way: 0xRRGGBB.
constexpr Rgb Hex(std::uint32_t v) { return Bgr(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF)); }

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);  // t of the way to white
Rgb Darker(Rgb c, double t);   // t of the way to black
double Luma(Rgb c);

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A fully transparent ARGB32 surface.
Surface NewSurface(int width, int height);
Context Draw(const Surface& s);
int WidthOf(const Surface& s);
int HeightOf(const Surface& s);

// The picture flipped left to right, pixel for pixel.
Surface Mirrored(const Surface& s);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn = 0);

// A picture of width x height drawn `factor` times as large: `draw` works in
// the picture's own pixels and Cairo draws them at the larger size, so the
// larger picture gains detail rather than being enlarged.
Surface Drawn(int width, int height, int factor, const std::function<void(cairo_t*)>& draw);

// Pixel-art drawing: the scene is drawn at 1/scale of the picture's size with
// hard edges, then enlarged so every art pixel becomes a scale x scale block;
// drawn `factor` times as large, each art pixel is a block `factor` times as
// wide, so its pixels stay crisp.
Surface Pixelated(int width, int height, int scale, int factor, const std::function<void(cairo_t*, int, int)>& draw);

struct TextStyle {
  std::string font;           // Pango family and weight, e.g. "Bebas Neue Bold"
  Rgb fill{};
  double outline = 0;         // stroke width in pixels around the letters, 0 for none
  Rgb outlineColour{};
  double shadow = 0;          // offset of a dark drop shadow, 0 for none
  bool crisp = false;         // no anti-aliasing, for pixel-art lettering
  double lineSpacing = 0.9;   // of the font size, for wrapped titles
  Rgb fillBottom = {-1, 0, 0};  // a second colour turns the fill into a top-down gradient
};

// Sets the text as large as it fits into the box, wrapping between words where
// that lets it grow, centred both ways. Returns the font size used.
double FitText(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double y, double w, double h,
               double maxSize = 200);
// Sets one line at a given size, its top-left corner or its centre at (x, y).
void PlaceText(cairo_t* cr, std::string_view text, const TextStyle& style, double size, double x, double y,
               bool centred = false);

}  // namespace quil::assetgen
