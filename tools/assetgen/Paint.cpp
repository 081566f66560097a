#include "Paint.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <stdexcept>
#include <strings.h>

namespace quil::assetgen {

Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Lighter(Rgb c, double t) { return Mix(c, {1, 1, 1}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }
double Luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

void SetColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

Surface NewSurface(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}
Context Draw(const Surface& s) { return Context(cairo_create(s.get())); }
int WidthOf(const Surface& s) { return cairo_image_surface_get_width(s.get()); }
int HeightOf(const Surface& s) { return cairo_image_surface_get_height(s.get()); }

Surface Mirrored(const Surface& s) {
  Surface flipped = NewSurface(WidthOf(s), HeightOf(s));
  cairo_surface_flush(s.get());
  int stride = cairo_image_surface_get_stride(s.get()), w = WidthOf(s);
  const unsigned char* from = cairo_image_surface_get_data(s.get());
  unsigned char* to = cairo_image_surface_get_data(flipped.get());
  for (int y = 0; y < HeightOf(s); ++y) {
    auto* src = reinterpret_cast<const std::uint32_t*>(from + y * stride);
    auto* dst = reinterpret_cast<std::uint32_t*>(to + y * stride);
    for (int x = 0; x < w; ++x) dst[x] = src[w - 1 - x];
  }
  cairo_surface_mark_dirty(flipped.get());
  return flipped;
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
  for (int i = 0; i < points * 2; ++i) {
    double a = turn - M_PI / 2 + i * M_PI / points;
    double r = (i % 2) ? inner : outer;
    if (i == 0)
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

Surface Drawn(int width, int height, int factor, const std::function<void(cairo_t*)>& draw) {
  Surface s = NewSurface(width * factor, height * factor);
  Context c = Draw(s);
  cairo_scale(c.get(), factor, factor);
  draw(c.get());
  return s;
}

Surface Pixelated(int width, int height, int scale, int factor, const std::function<void(cairo_t*, int, int)>& draw) {
  int lw = (width + scale - 1) / scale, lh = (height + scale - 1) / scale;
  Surface small = NewSurface(lw, lh);
  {
    Context c = Draw(small);
    cairo_set_antialias(c.get(), CAIRO_ANTIALIAS_NONE);
    draw(c.get(), lw, lh);
  }
  Surface big = NewSurface(width * factor, height * factor);
  Context c = Draw(big);
  cairo_scale(c.get(), scale * factor, scale * factor);
  cairo_set_source_surface(c.get(), small.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(c.get()), CAIRO_FILTER_NEAREST);
  cairo_paint(c.get());
  return big;
}

namespace {

struct LayoutDeleter {
  void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using Layout = std::unique_ptr<PangoLayout, LayoutDeleter>;

bool Installed(const char* family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  bool same = false;
  FcChar8* found = nullptr;
  for (int i = 0; match && !same && FcPatternGetString(match, FC_FAMILY, i, &found) == FcResultMatch; ++i)
    same = strcasecmp(reinterpret_cast<const char*>(found), family) == 0;
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return same;
}

// A picture must come out the same on every machine that draws it, so a face
// that fontconfig would quietly replace by another family stops the drawing.
void RequireFace(const PangoFontDescription* desc) {
  static std::set<std::string> present;
  const char* family = pango_font_description_get_family(desc);
  if (!family || present.contains(family)) return;
  if (!Installed(family))
    throw std::runtime_error(std::string("the font family \"") + family +
                             "\" is not installed (scripts/install-deps brings every face the pictures use)");
  present.insert(family);
}

Layout MakeLayout(cairo_t* cr, std::string_view text, const TextStyle& style, double size) {
  Layout layout(pango_cairo_create_layout(cr));
  if (style.crisp) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout.get());
  }
  PangoFontDescription* desc = pango_font_description_from_string(style.font.c_str());
  RequireFace(desc);
  pango_font_description_set_absolute_size(desc, size * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), desc);
  pango_font_description_free(desc);
  pango_layout_set_alignment(layout.get(), PANGO_ALIGN_CENTER);
  pango_layout_set_line_spacing(layout.get(), static_cast<float>(style.lineSpacing));
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  return layout;
}

PangoRectangle InkOf(PangoLayout* layout) {
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  return ink;
}

double WidestWord(cairo_t* cr, std::string_view text, const TextStyle& style, double size) {
  std::istringstream words{std::string(text)};
  double widest = 0;
  for (std::string word; words >> word;) widest = std::max<double>(widest, InkOf(MakeLayout(cr, word, style, size).get()).width);
  return widest;
}

void Paint(cairo_t* cr, PangoLayout* layout, const TextStyle& style, double x, double y) {
  PangoRectangle ink = InkOf(layout);
  cairo_save(cr);
  cairo_set_antialias(cr, style.crisp ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (style.shadow > 0) {
    cairo_move_to(cr, x + style.shadow, y + style.shadow);
    pango_cairo_layout_path(cr, layout);
    SetColour(cr, {0, 0, 0}, 0.55);
    if (style.outline > 0) {
      cairo_set_line_width(cr, style.outline * 2);
      cairo_stroke_preserve(cr);
    }
    cairo_fill(cr);
  }
  cairo_move_to(cr, x, y);
  pango_cairo_layout_path(cr, layout);
  if (style.outline > 0) {
    SetColour(cr, style.outlineColour);
    cairo_set_line_width(cr, style.outline * 2);
    cairo_stroke_preserve(cr);
  }
  if (style.fillBottom.r >= 0)
    VerticalGradient(cr, y + ink.y, y + ink.y + ink.height, style.fill, style.fillBottom);
  else
    SetColour(cr, style.fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

double FitText(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double y, double w, double h,
               double maxSize) {
  double pad = style.outline + style.shadow;
  double availW = w - 2 * pad, availH = h - 2 * pad;
  auto fits = [&](double size) {
    if (WidestWord(cr, text, style, size) > availW) return false;
    Layout l = MakeLayout(cr, text, style, size);
    pango_layout_set_width(l.get(), static_cast<int>(availW * PANGO_SCALE));
    pango_layout_set_wrap(l.get(), PANGO_WRAP_WORD);
    PangoRectangle ink = InkOf(l.get());
    return ink.width <= availW && ink.height <= availH;
  };
  double lo = 4, hi = maxSize;
  for (int i = 0; i < 14; ++i) {
    double mid = (lo + hi) / 2;
    (fits(mid) ? lo : hi) = mid;
  }
  Layout l = MakeLayout(cr, text, style, lo);
  pango_layout_set_width(l.get(), static_cast<int>(availW * PANGO_SCALE));
  pango_layout_set_wrap(l.get(), PANGO_WRAP_WORD);
  PangoRectangle ink = InkOf(l.get());
  double ox = x + pad + (availW - ink.width) / 2 - ink.x;
  double oy = y + pad + (availH - ink.height) / 2 - ink.y;
  if (style.crisp) ox = std::round(ox), oy = std::round(oy);
  Paint(cr, l.get(), style, ox, oy);
  return lo;
}

void PlaceText(cairo_t* cr, std::string_view text, const TextStyle& style, double size, double x, double y,
               bool centred) {
  Layout l = MakeLayout(cr, text, style, size);
  if (centred) {
    PangoRectangle ink = InkOf(l.get());
    x -= ink.x + ink.width / 2.0;
    y -= ink.y + ink.height / 2.0;
  }
  if (style.crisp) x = std::round(x), y = std::round(y);
  Paint(cr, l.get(), style, x, y);
}

}  // namespace quil::assetgen
