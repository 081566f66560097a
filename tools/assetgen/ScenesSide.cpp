// Side-on scenes: platform games and street or arena fighters.
#include <algorithm>
#include <cmath>

#include "Scenes.h"

namespace quil::assetgen {

namespace {

void Backdrop(cairo_t* cr, int w, double horizon, const Scene& s, Random& random) {
  Rgb accent = Hex(s.accent), sky = Hex(s.sky);
  switch (s.theme) {
    case Theme::Cave:
    case Theme::Tech:
      for (double x = 0; x < w; x += random.Range(8, 20)) {
        double len = random.Range(8, horizon * 0.45);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 6, 0);
        cairo_line_to(cr, x + 3, len);
        SetColour(cr, Mix(sky, accent, 0.35));
        cairo_fill(cr);
        if (s.theme == Theme::Tech) Rect(cr, x, horizon * 0.3, 4, horizon * 0.7, Mix(sky, accent, 0.25));
      }
      break;
    case Theme::Jungle:
    case Theme::Forest:
      for (double x = random.Range(0, 20); x < w; x += random.Range(25, 45)) {
        Rect(cr, x, horizon * 0.2, 6, horizon, Darker(Hex(s.ground), 0.3));
        Oval(cr, x + 3, horizon * 0.25, 18, 12, Darker(accent, 0.2));
      }
      break;
    case Theme::Desert:
      for (double x = -20; x < w; x += 60) {
        cairo_move_to(cr, x, horizon);
        cairo_line_to(cr, x + 30, horizon - random.Range(25, 45));
        cairo_line_to(cr, x + 60, horizon);
        SetColour(cr, Mix(sky, Hex(s.ground), 0.55));
        cairo_fill(cr);
      }
      break;
    case Theme::Night:
      cairo_arc(cr, w * 0.8, horizon * 0.25, 10, 0, 2 * M_PI);
      SetColour(cr, Hex(0xF5F1D0));
      cairo_fill(cr);
      for (double x = 0; x < w; x += random.Range(12, 22))
        Rect(cr, x, horizon - random.Range(15, 50), random.Range(10, 18), 60, Darker(sky, 0.4));
      break;
    default:
      for (int i = 0; i < 3; ++i) {
        double cx = random.Range(0, w), cy = random.Range(0.1, 0.35) * horizon;
        Oval(cr, cx, cy, 14, 6, Hex(0xFFFFFF));
        Oval(cr, cx + 9, cy - 3, 9, 6, Hex(0xFFFFFF));
      }
      for (double x = -30; x < w; x += random.Range(45, 70))
        Oval(cr, x, horizon, random.Range(30, 45), random.Range(20, 40), Mix(accent, sky, 0.45));
  }
}

void Coin(cairo_t* cr, double x, double y, const Scene& s) {
  if (s.theme == Theme::Speed) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 3, 4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Hex(0xFFD21F));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  } else {
    Oval(cr, x, y, 2.5, 3.5, Hex(0xF8D030));
    Rect(cr, x - 0.5, y - 2, 1, 4, Hex(0xB88800));
  }
}

}  // namespace

void DrawPlatformer(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb ground = Hex(s.ground), accent = Hex(s.accent), hero = Hex(s.hero);
  double floor = std::round(h * 0.78);
  Sky(cr, w, h, Hex(s.sky), Lighter(Hex(s.sky), 0.45), s.pixelated);
  Backdrop(cr, w, floor, s, random);

  // The ground: a run of blocks with a gap or a step, topped with grass or metal.
  double tile = s.pixelated ? 8 : 12;
  double x = 0;
  while (x < w) {
    double run = tile * random.Int(3, 7), top = floor - tile * random.Int(0, 1);
    for (double tx = x; tx < x + run && tx < w; tx += tile)
      for (double ty = top; ty < h; ty += tile) {
        bool surface = ty == top;
        Rgb colour = surface ? accent : ((static_cast<int>(tx / tile + ty / tile) % 2) && s.theme == Theme::Speed
                                             ? Darker(ground, 0.25) : ground);
        Rect(cr, tx, ty, tile, tile, colour);
        Rect(cr, tx, ty + tile - 1, tile, 1, Darker(colour, 0.3));
        Rect(cr, tx + tile - 1, ty, 1, tile, Darker(colour, 0.3));
        if (surface) Rect(cr, tx, ty, tile, 2, Lighter(accent, 0.35));
      }
    x += run + (random.Chance(0.3) ? tile * 2 : 0);
  }

  // Floating blocks with a few prize blocks, and a trail of coins or rings.
  for (int p = 0; p < 3; ++p) {
    double px = random.Range(0.1, 0.8) * w, py = floor - tile * random.Int(3, 5);
    int count = random.Int(2, 5);
    for (int i = 0; i < count; ++i) {
      bool prize = random.Chance(0.3);
      Rgb colour = prize ? Hex(0xF0A818) : Mix(ground, accent, 0.3);
      Rect(cr, px + i * tile, py, tile - 1, tile - 1, colour);
      Rect(cr, px + i * tile + 1, py + 1, tile - 3, 1, Lighter(colour, 0.4));
      if (prize) Rect(cr, px + i * tile + tile / 2 - 1, py + 2, 2, tile - 6, Hex(0x7A3A00));
    }
    for (int i = 0; i < count; ++i) Coin(cr, px + i * tile + tile / 2, py - tile * 0.9, s);
  }

  double heroX = std::round(w * 0.3), size = s.pixelated ? 14 : 20;
  if (s.theme == Theme::Speed) {
    // A rolling spiky hero with a blur trail.
    for (int i = 3; i >= 0; --i) Oval(cr, heroX - i * 6, floor - 9, 8, 8, Mix(Hex(s.sky), hero, 1 - i * 0.22));
    for (int k = 0; k < 5; ++k) {
      double a = M_PI * (0.6 + k * 0.25);
      cairo_move_to(cr, heroX + std::cos(a) * 6, floor - 9 + std::sin(a) * 6);
      cairo_line_to(cr, heroX + std::cos(a) * 13, floor - 9 + std::sin(a) * 11);
      cairo_line_to(cr, heroX + std::cos(a + 0.3) * 6, floor - 9 + std::sin(a + 0.3) * 6);
    }
    SetColour(cr, hero);
    cairo_fill(cr);
    Rect(cr, heroX + 2, floor - 12, 3, 3, Hex(0xFFFFFF));
  } else {
    Figure(cr, heroX, floor, size, hero, Hex(0xF8B888), true);
  }
  for (int e = 0; e < 2; ++e) {
    double ex = w * (0.6 + 0.2 * e);
    Oval(cr, ex, floor - size * 0.3, size * 0.35, size * 0.3, Darker(accent, 0.45));
    Rect(cr, ex - 2, floor - size * 0.4, 1.5, 2, Hex(0xFFFFFF));
    Rect(cr, ex + 1, floor - size * 0.4, 1.5, 2, Hex(0xFFFFFF));
  }
  Hud(cr, w, s.theme == Theme::Speed ? "RINGS 027" : "SCORE 004150", "TIME 312", Hex(0xFFFFFF), s.pixelated);
}

void DrawBrawler(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb ground = Hex(s.ground), accent = Hex(s.accent), hero = Hex(s.hero), sky = Hex(s.sky);
  double floor = std::round(h * 0.62);
  Sky(cr, w, floor, sky, Lighter(sky, 0.3), s.pixelated);
  switch (s.theme) {
    case Theme::Boxing: {
      Rect(cr, 0, 0, w, floor, Darker(sky, 0.4));
      for (int i = 0; i < 40; ++i) Oval(cr, random.Range(0, w), random.Range(floor * 0.3, floor), 3, 3, Mix(sky, accent, 0.2));
      for (double lamp : {0.25, 0.75}) {
        cairo_move_to(cr, w * lamp - 6, 0);
        cairo_line_to(cr, w * lamp + 6, 0);
        cairo_line_to(cr, w * lamp + 40, h);
        cairo_line_to(cr, w * lamp - 40, h);
        SetColour(cr, Hex(0xFFFFFF), s.pixelated ? 0 : 0.08);
        cairo_fill(cr);
      }
      break;
    }
    case Theme::Arena:
      for (double x = 0; x < w; x += 30) {
        Rect(cr, x + 8, floor * 0.25, 10, floor * 0.75, Mix(sky, ground, 0.5));
        Rect(cr, x + 5, floor * 0.22, 16, 4, Mix(sky, ground, 0.3));
        cairo_move_to(cr, x + 13, floor * 0.05);
        cairo_curve_to(cr, x + 5, floor * 0.15, x + 20, floor * 0.12, x + 13, floor * 0.21);
        SetColour(cr, accent);
        cairo_fill(cr);
      }
      break;
    case Theme::Comic:
      Rect(cr, 0, 0, w, h, Hex(0xF4EEDC));
      for (double px : {3.0, w * 0.52}) {
        cairo_rectangle(cr, px, 16, w * 0.45, h - 20);
        SetColour(cr, Hex(0x000000));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
      }
      for (int i = 0; i < 80; ++i) Oval(cr, random.Range(0, w * 0.48), random.Range(18, floor), 1, 1, accent);
      break;
    case Theme::Ruins:
      for (double x = 0; x < w; x += random.Range(30, 50)) {
        double top = floor - random.Range(20, 60);
        Rect(cr, x, top, 12, floor - top, Mix(ground, sky, 0.3));
        Rect(cr, x - 3, top, 18, 4, Mix(ground, sky, 0.15));
      }
      cairo_arc(cr, w * 0.2, floor * 0.25, 12, 0, 2 * M_PI);
      SetColour(cr, Hex(0xF2EFD0));
      cairo_fill(cr);
      break;
    default:
      for (double x = 0; x < w;) {
        double bw = random.Range(28, 50), top = random.Range(floor * 0.05, floor * 0.45);
        Rgb wall = Mix(sky, ground, random.Range(0.4, 0.7));
        Rect(cr, x, top, bw, floor - top, wall);
        for (double wy = top + 5; wy < floor - 10; wy += 10)
          for (double wx = x + 4; wx < x + bw - 6; wx += 9)
            Rect(cr, wx, wy, 5, 6, random.Chance(0.4) ? accent : Darker(wall, 0.3));
        x += bw + 2;
      }
      if (s.theme == Theme::Night) {
        cairo_arc(cr, w * 0.85, floor * 0.18, 9, 0, 2 * M_PI);
        SetColour(cr, Hex(0xF5F1D0));
        cairo_fill(cr);
      }
  }
  // The floor: a ring canvas, an arena court or the pavement, in rows.
  cairo_save(cr);
  cairo_translate(cr, 0, floor);
  Sky(cr, w, h - floor, ground, Darker(ground, 0.45), s.pixelated);
  cairo_restore(cr);
  for (double y = floor + 8; y < h; y += 12) Rect(cr, 0, y, w, 1, Darker(ground, 0.25));
  if (s.theme == Theme::Boxing)
    for (int i = 0; i < 3; ++i) Rect(cr, 0, floor - 10 - i * 12, w, 2, i == 1 ? Hex(0xFFFFFF) : accent);

  double size = s.pixelated ? 30 : 44;
  Figure(cr, w * 0.33, h * 0.86, size, hero, Hex(0xE8A878), true);
  Figure(cr, w * 0.62, h * 0.84, size, accent, Hex(0xC88858), false);
  if (s.theme != Theme::Boxing && s.theme != Theme::Arena) Figure(cr, w * 0.8, h * 0.93, size, Darker(accent, 0.3), Hex(0xD89868), false);

  // Health bars of both sides.
  double barW = w * 0.36, barY = s.pixelated ? 12 : 16;
  for (int side = 0; side < 2; ++side) {
    double bx = side ? w - 6 - barW : 6;
    Rect(cr, bx - 1, barY - 1, barW + 2, 6, Hex(0x000000));
    Rect(cr, bx, barY, barW, 4, Hex(0xC01818));
    Rect(cr, bx + (side ? barW * 0.35 : 0), barY, barW * 0.65, 4, Hex(0xF8D030));
  }
  Hud(cr, w, s.theme == Theme::Boxing ? "ROUND 3" : "1P 028600", s.theme == Theme::Arena ? "FIGHT!" : "TIME 45",
      Hex(0xFFFFFF), s.pixelated);
}

}  // namespace quil::assetgen
