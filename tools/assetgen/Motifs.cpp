#include "Motifs.h"

#include <cmath>

namespace quil::assetgen {

namespace {

constexpr Rgb kWhite = Hex(0xFFFFFF), kBlack = Hex(0x000000);
constexpr Box kCentre{0.04, 0.1, 0.92, 0.8}, kUpper{0.04, 0.05, 0.92, 0.6}, kLower{0.04, 0.62, 0.92, 0.34};

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void Cloud(cairo_t* cr, double x, double y, double s) {
  Ellipse(cr, x, y, s, s * 0.55);
  Ellipse(cr, x + s * 0.8, y + s * 0.1, s * 0.8, s * 0.45);
  Ellipse(cr, x - s * 0.8, y + s * 0.15, s * 0.7, s * 0.4);
}

// --- the console's own channels -------------------------------------------

Box Disc(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double cx = w * 0.22, cy = h * 0.5, r = h * 0.36;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* shine = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(shine, 0, 0.93, 0.95, 0.97);
  cairo_pattern_add_color_stop_rgb(shine, 0.45, 0.75, 0.8, 0.86);
  cairo_pattern_add_color_stop_rgb(shine, 0.55, 0.98, 0.9, 0.96);
  cairo_pattern_add_color_stop_rgb(shine, 1, 0.7, 0.76, 0.84);
  cairo_set_source(cr, shine);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shine);
  SetColour(cr, Hex(0x9AA4AE));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r * 0.3, 0, 2 * M_PI);
  SetColour(cr, c.accent);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.12, 0, 2 * M_PI);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  return {0.42, 0.12, 0.55, 0.76};
}

Box Avatar(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  const Rgb skins[] = {Hex(0xF6D2B0), Hex(0xE8B58C), Hex(0xC98E63)};
  const Rgb shirts[] = {c.accent, Hex(0xF08AA8), Hex(0x7BC96F)};
  for (int i = 0; i < 3; ++i) {
    double cx = w * (0.27 + 0.23 * i), cy = h * (i == 1 ? 0.24 : 0.28), s = h * (i == 1 ? 0.13 : 0.11);
    Ellipse(cr, cx, cy + s * 1.9, s * 1.3, s * 0.9);
    SetColour(cr, shirts[i]);
    cairo_fill(cr);
    Ellipse(cr, cx, cy, s, s * 1.1);
    SetColour(cr, skins[i]);
    cairo_fill(cr);
    for (double eye : {-0.35, 0.35}) {
      Ellipse(cr, cx + eye * s, cy - 0.05 * s, s * 0.1, s * 0.16);
      SetColour(cr, Hex(0x333333));
      cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + 0.3 * s, s * 0.35, 0.2 * M_PI, 0.8 * M_PI);
    cairo_set_line_width(cr, s * 0.1);
    cairo_stroke(cr);
  }
  return kLower;
}

Box Shop(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double bx = w * 0.36, by = h * 0.2, bw = w * 0.28, bh = h * 0.4;
  cairo_arc(cr, bx + bw / 2, by, bw * 0.28, M_PI, 2 * M_PI);
  SetColour(cr, Darker(c.accent, 0.2));
  cairo_set_line_width(cr, h * 0.04);
  cairo_stroke(cr);
  RoundedRect(cr, bx, by, bw, bh, 4);
  VerticalGradient(cr, by, by + bh, Lighter(c.accent, 0.2), c.accent);
  cairo_fill(cr);
  PlaceText(cr, "Q", {.font = "Comfortaa Bold", .fill = kWhite}, bh * 0.6, bx + bw / 2, by + bh / 2, true);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, w * (0.72 + 0.07 * i), h * (0.52 - 0.09 * i), h * 0.06, 0, 2 * M_PI);
    SetColour(cr, Hex(0xF3C64A));
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xC79A22));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  return kLower;
}

Box Forecast(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double sx = w * 0.36, sy = h * 0.3, r = h * 0.15;
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6;
    cairo_move_to(cr, sx + std::cos(a) * r * 1.3, sy + std::sin(a) * r * 1.3);
    cairo_line_to(cr, sx + std::cos(a) * r * 1.75, sy + std::sin(a) * r * 1.75);
  }
  SetColour(cr, Hex(0xF5A623));
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_arc(cr, sx, sy, r, 0, 2 * M_PI);
  VerticalGradient(cr, sy - r, sy + r, Hex(0xFFE066), Hex(0xF5A623));
  cairo_fill(cr);
  Cloud(cr, w * 0.6, h * 0.42, h * 0.12);
  SetColour(cr, kWhite);
  cairo_fill_preserve(cr);
  SetColour(cr, c.accent, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return kLower;
}

Box News(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double cx = w * 0.5, cy = h * 0.36, r = h * 0.25;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  VerticalGradient(cr, cy - r, cy + r, Lighter(c.accent, 0.3), c.accent);
  cairo_fill(cr);
  SetColour(cr, kWhite, 0.85);
  cairo_set_line_width(cr, 1.2);
  for (double k : {-0.5, 0.0, 0.5}) {
    Ellipse(cr, cx, cy, r * std::cos(k * M_PI / 2) * 0.999, r);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - r * std::sqrt(1 - k * k), cy + k * r);
    cairo_line_to(cr, cx + r * std::sqrt(1 - k * k), cy + k * r);
    cairo_stroke(cr);
  }
  Ellipse(cr, cx, cy, r * 0.02, r);
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, h * 0.66, w, h * 0.3);
  SetColour(cr, Darker(c.accent, 0.35));
  cairo_fill(cr);
  return {0.04, 0.66, 0.92, 0.3};
}

// --- game title motifs ----------------------------------------------------

Box Sunburst(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double cx = w / 2, cy = h * 0.5, r = w;
  for (int i = 0; i < 16; i += 2) {
    double a = i * M_PI / 8;
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, a, a + M_PI / 8);
    cairo_close_path(cr);
  }
  SetColour(cr, c.accent, 0.35);
  cairo_fill(cr);
  return kCentre;
}

Box Stars(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int i = 0; i < 40; ++i) {
    cairo_rectangle(cr, random.Range(0, w), random.Range(0, h), 1, 1);
    SetColour(cr, random.Chance(0.3) ? c.accent : kWhite, random.Range(0.4, 1));
    cairo_fill(cr);
  }
  for (int i = 0; i < 3; ++i) {
    Star(cr, random.Range(0.1, 0.9) * w, random.Chance(0.5) ? h * 0.12 : h * 0.88, h * 0.07, h * 0.02, 4);
    SetColour(cr, c.accent);
    cairo_fill(cr);
  }
  return kCentre;
}

Box Hills(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  Cloud(cr, w * random.Range(0.15, 0.3), h * 0.17, h * 0.07);
  Cloud(cr, w * random.Range(0.7, 0.85), h * 0.12, h * 0.06);
  SetColour(cr, kWhite, 0.9);
  cairo_fill(cr);
  Ellipse(cr, w * 0.2, h * 1.05, w * 0.45, h * 0.32);
  Ellipse(cr, w * 0.85, h * 1.08, w * 0.4, h * 0.36);
  SetColour(cr, Darker(c.accent, 0.25));
  cairo_fill(cr);
  Ellipse(cr, w * 0.55, h * 1.12, w * 0.5, h * 0.3);
  SetColour(cr, c.accent);
  cairo_fill(cr);
  return {0.04, 0.14, 0.92, 0.6};
}

Box Grid(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double horizon = h * 0.62;
  cairo_arc(cr, w / 2, horizon, h * 0.32, M_PI, 2 * M_PI);
  VerticalGradient(cr, horizon - h * 0.32, horizon, Hex(0xFFD25A), c.accent);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  SetColour(cr, Darker(c.ground, 0.4));
  cairo_fill(cr);
  SetColour(cr, c.accent, 0.9);
  cairo_set_line_width(cr, 1);
  for (int i = -8; i <= 8; ++i) {
    cairo_move_to(cr, w / 2 + i * w * 0.03, horizon);
    cairo_line_to(cr, w / 2 + i * w * 0.22, h);
  }
  for (int i = 1; i < 6; ++i) {
    double y = horizon + (h - horizon) * std::pow(i / 5.0, 1.8);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, w, y);
  }
  cairo_stroke(cr);
  return {0.04, 0.06, 0.92, 0.56};
}

Box Flames(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int layer = 0; layer < 2; ++layer) {
    cairo_move_to(cr, 0, h);
    for (double x = 0; x < w; x += w / 9) {
      double top = h * random.Range(0.45, 0.7) + layer * h * 0.12;
      cairo_curve_to(cr, x + w / 36, h * 0.9, x + w / 36, top, x + w / 18, top);
      cairo_curve_to(cr, x + w / 18, h * 0.85, x + w / 12, h * 0.9, x + w / 9, h);
    }
    cairo_close_path(cr);
    VerticalGradient(cr, h * 0.45, h, layer ? Hex(0xFFE27A) : c.accent, layer ? Hex(0xFF9A2E) : Darker(c.accent, 0.4));
    cairo_fill(cr);
  }
  return kUpper;
}

Box Waves(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double sea = h * 0.7;
  Ellipse(cr, w * 0.8, sea, w * 0.16, h * 0.08);
  SetColour(cr, Hex(0xE9D18A));
  cairo_fill(cr);
  cairo_move_to(cr, w * 0.8, sea - h * 0.04);
  cairo_curve_to(cr, w * 0.79, sea - h * 0.2, w * 0.77, sea - h * 0.3, w * 0.74, sea - h * 0.36);
  SetColour(cr, Hex(0x7A4E24));
  cairo_set_line_width(cr, std::max(1.0, w * 0.015));
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i) {
    double a = M_PI * (0.9 + i * 0.3);
    Ellipse(cr, w * 0.74 + std::cos(a) * w * 0.05, sea - h * 0.37 + std::sin(a) * h * 0.03, w * 0.05, h * 0.025);
  }
  SetColour(cr, Hex(0x2E9E48));
  cairo_fill(cr);
  cairo_move_to(cr, 0, sea);
  for (double x = 0; x <= w; x += w / 8) cairo_curve_to(cr, x + w / 32, sea - h * 0.05, x + w / 16, sea + h * 0.03, x + w / 8, sea);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  VerticalGradient(cr, sea, h, c.accent, Darker(c.accent, 0.4));
  cairo_fill(cr);
  return {0.04, 0.06, 0.7, 0.58};
}

Box City(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  cairo_arc(cr, w * 0.82, h * 0.2, h * 0.12, 0, 2 * M_PI);
  SetColour(cr, Hex(0xF4EFD2));
  cairo_fill(cr);
  for (double x = 0; x < w;) {
    double bw = w * random.Range(0.07, 0.14), bh = h * random.Range(0.2, 0.45);
    cairo_rectangle(cr, x, h - bh, bw - 1, bh);
    SetColour(cr, Darker(c.ground, 0.55));
    cairo_fill(cr);
    for (double wy = h - bh + 3; wy < h - 3; wy += 4)
      for (double wx = x + 2; wx < x + bw - 3; wx += 3)
        if (random.Chance(0.3)) {
          cairo_rectangle(cr, wx, wy, 1, 1.5);
          SetColour(cr, c.accent);
          cairo_fill(cr);
        }
    x += bw;
  }
  return {0.04, 0.06, 0.92, 0.6};
}

Box Jungle(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int i = 0; i < 9; ++i) {
    double x = (i % 2 ? random.Range(0.8, 1.05) : random.Range(-0.05, 0.2)) * w, y = random.Range(0, 1) * h;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, random.Range(0, 2 * M_PI));
    Ellipse(cr, 0, 0, w * 0.14, h * 0.07);
    SetColour(cr, i % 3 ? c.accent : Darker(c.accent, 0.35));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  return {0.12, 0.1, 0.76, 0.8};
}

Box Blocks(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  double s = h * 0.11;
  for (double x = 0; x < w; x += s) {
    int stack = random.Int(0, 2);
    for (int k = 0; k < stack; ++k) {
      cairo_rectangle(cr, x + 0.5, h - (k + 1) * s + 0.5, s - 1, s - 1);
      SetColour(cr, (random.Chance(0.5)) ? c.accent : Lighter(c.accent, 0.35));
      cairo_fill_preserve(cr);
      SetColour(cr, Darker(c.accent, 0.5));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
  for (int i = 0; i < 3; ++i) {
    double x = random.Range(0.05, 0.85) * w, y = random.Range(0.02, 0.12) * h;
    cairo_rectangle(cr, x, y, s, s);
    cairo_rectangle(cr, x + s, y, s, s);
    cairo_rectangle(cr, x + s, y + s, s, s);
    SetColour(cr, Lighter(c.accent, 0.2), 0.8);
    cairo_fill(cr);
  }
  return {0.04, 0.2, 0.92, 0.55};
}

Box Sword(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_rotate(cr, -0.6);
  double len = w * 0.55, bw = h * 0.06;
  cairo_move_to(cr, -len * 0.55, -bw);
  cairo_line_to(cr, len * 0.5, -bw);
  cairo_line_to(cr, len * 0.62, 0);
  cairo_line_to(cr, len * 0.5, bw);
  cairo_line_to(cr, -len * 0.55, bw);
  cairo_close_path(cr);
  VerticalGradient(cr, -bw, bw, Hex(0xF2F6FA), Hex(0x9AA6B4));
  cairo_fill(cr);
  cairo_rectangle(cr, -len * 0.58, -bw * 3, bw * 1.3, bw * 6);
  SetColour(cr, c.accent);
  cairo_fill(cr);
  cairo_rectangle(cr, -len * 0.8, -bw * 0.7, len * 0.22, bw * 1.4);
  SetColour(cr, Hex(0x6B3F1F));
  cairo_fill(cr);
  cairo_restore(cr);
  return kCentre;
}

Box Speed(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int i = 0; i < 14; ++i) {
    double y = random.Range(0, h), x = random.Range(-0.2, 0.8) * w, len = random.Range(0.2, 0.5) * w;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len, y - len * 0.25);
    SetColour(cr, i % 2 ? kWhite : c.accent, 0.5);
    cairo_set_line_width(cr, random.Range(1, 2.5));
    cairo_stroke(cr);
  }
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, w * (0.12 + 0.08 * i), h * 0.86, h * 0.05, h * 0.06);
    SetColour(cr, Hex(0xF8CF3A));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  return kCentre;
}

Box Ring(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  cairo_move_to(cr, w * 0.3, 0);
  cairo_line_to(cr, w * 0.7, 0);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  SetColour(cr, kWhite, 0.12);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    double y = h * (0.58 + 0.12 * i);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, w, y);
    SetColour(cr, i == 1 ? kWhite : c.accent);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  for (double x : {w * 0.05, w * 0.95}) {
    cairo_rectangle(cr, x - 2, h * 0.5, 4, h * 0.5);
    SetColour(cr, Hex(0xDDDDDD));
    cairo_fill(cr);
  }
  return {0.04, 0.04, 0.92, 0.54};
}

Box Planet(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int i = 0; i < 30; ++i) {
    cairo_rectangle(cr, random.Range(0, w), random.Range(0, h), 1, 1);
    SetColour(cr, kWhite, random.Range(0.3, 0.9));
    cairo_fill(cr);
  }
  double cx = w * 0.8, cy = h * 0.78, r = h * 0.42;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(p, 0, Lighter(c.accent, 0.4).r, Lighter(c.accent, 0.4).g, Lighter(c.accent, 0.4).b);
  cairo_pattern_add_color_stop_rgb(p, 1, Darker(c.accent, 0.6).r, Darker(c.accent, 0.6).g, Darker(c.accent, 0.6).b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Ellipse(cr, cx, cy, r * 1.6, r * 0.3);
  SetColour(cr, Lighter(c.accent, 0.5), 0.7);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  return {0.04, 0.08, 0.8, 0.6};
}

Box Ink(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int i = 0; i < 6; ++i) {
    double x = random.Range(0, w), y = random.Range(0, h), r = random.Range(0.08, 0.18) * h;
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    for (int k = 0; k < 5; ++k)
      cairo_new_sub_path(cr), cairo_arc(cr, x + random.Range(-2, 2) * r, y + random.Range(-2, 2) * r,
                                        r * random.Range(0.1, 0.3), 0, 2 * M_PI);
    SetColour(cr, i % 2 ? kBlack : c.accent, 0.8);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 3, 3, w - 6, h - 6);
  SetColour(cr, kBlack);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  return kCentre;
}

Box Checker(cairo_t* cr, double w, double h, const CardColours& c, Random&) {
  double top = h * 0.66;
  for (int row = 0; row < 4; ++row)
    for (int col = -6; col < 6; ++col) {
      double y0 = top + (h - top) * row / 4.0, y1 = top + (h - top) * (row + 1) / 4.0;
      double s0 = 0.6 + row * 0.25, s1 = 0.6 + (row + 1) * 0.25, cell = w / 8;
      cairo_move_to(cr, w / 2 + col * cell * s0, y0);
      cairo_line_to(cr, w / 2 + (col + 1) * cell * s0, y0);
      cairo_line_to(cr, w / 2 + (col + 1) * cell * s1, y1);
      cairo_line_to(cr, w / 2 + col * cell * s1, y1);
      cairo_close_path(cr);
      SetColour(cr, (row + col) % 2 ? c.accent : kWhite, 0.85);
      cairo_fill(cr);
    }
  cairo_arc(cr, w * 0.78, h * 0.28, h * 0.12, 0, 2 * M_PI);
  cairo_pattern_t* p = cairo_pattern_create_radial(w * 0.75, h * 0.24, 1, w * 0.78, h * 0.28, h * 0.12);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.55, 0.6, 0.68);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  return {0.04, 0.08, 0.92, 0.56};
}

Box Bubbles(cairo_t* cr, double w, double h, const CardColours& c, Random& random) {
  for (int i = 0; i < 10; ++i) {
    double r = random.Range(0.04, 0.14) * h;
    cairo_arc(cr, random.Range(0, w), random.Range(0, h), r, 0, 2 * M_PI);
    SetColour(cr, i % 2 ? c.accent : kWhite, 0.45);
    cairo_fill(cr);
  }
  return kCentre;
}

using Painter = Box (*)(cairo_t*, double, double, const CardColours&, Random&);
constexpr Painter kPainters[] = {Disc,  Avatar, Shop,   Forecast, News,  Sunburst, Stars, Hills, Grid,    Flames, Waves,
                                 City,  Jungle, Blocks, Sword,    Speed, Ring,     Planet, Ink,  Checker, Bubbles};

}  // namespace

Box DrawMotif(cairo_t* cr, Motif motif, double w, double h, const CardColours& colours, Random& random) {
  cairo_save(cr);
  Box box = kPainters[static_cast<int>(motif)](cr, w, h, colours, random);
  cairo_restore(cr);
  return box;
}

}  // namespace quil::assetgen
