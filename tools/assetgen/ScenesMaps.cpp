// Scenes seen from above or head-on: adventure maps, space shooters, pinball
// tables and falling-block puzzles.
#include <algorithm>
#include <cmath>

#include "Scenes.h"

namespace quil::assetgen {

void DrawTopDown(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb ground = Hex(s.ground), accent = Hex(s.accent), sky = Hex(s.sky);
  const double tile = s.pixelated ? 8 : 12;
  const int cols = static_cast<int>(w / tile) + 1, rows = static_cast<int>(h / tile) + 1;
  const bool indoor = s.theme == Theme::Dungeon;
  // Water along one side, a path across, houses or walls, trees in clumps.
  double river = random.Range(0.65, 0.85) * cols, path = random.Range(0.4, 0.6) * rows;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      double x = c * tile, y = r * tile;
      bool water = !indoor && std::abs(c - river - std::sin(r * 0.5) * 1.5) < 1.6;
      bool road = std::abs(r - path) < 0.9 || (s.theme == Theme::Town && c % 9 == 4);
      Rgb colour = water ? sky : road ? Mix(ground, Hex(0xE8D8A8), 0.6) : ground;
      if (!water && !road && ((r * 7 + c * 3) % 5 == 0)) colour = Darker(ground, 0.12);
      Rect(cr, x, y, tile, tile, colour);
      if (water && (r + c) % 3 == 0) Rect(cr, x + 2, y + tile / 2, tile / 2, 1, Lighter(sky, 0.5));
      if (indoor) Rect(cr, x, y, tile, 1, Darker(ground, 0.3));
    }
  for (int t = 0; t < 14; ++t) {
    double x = random.Int(0, cols - 1) * tile, y = random.Int(0, rows - 1) * tile;
    if (std::abs(y / tile - path) < 1.5 || std::abs(x / tile - river) < 2.5) continue;
    if (indoor) {
      Rect(cr, x, y, tile, tile, Darker(ground, 0.45));
      Rect(cr, x, y, tile, 2, Lighter(ground, 0.2));
    } else {
      Oval(cr, x + tile / 2, y + tile * 0.45, tile * 0.55, tile * 0.5, accent);
      Oval(cr, x + tile * 0.4, y + tile * 0.35, tile * 0.25, tile * 0.2, Lighter(accent, 0.3));
      Rect(cr, x + tile / 2 - 1, y + tile * 0.85, 2, tile * 0.3, Hex(0x6A4020));
    }
  }
  for (int b = 0; b < (s.theme == Theme::Town ? 4 : 2); ++b) {
    double x = random.Range(0.05, 0.55) * w, y = (b % 2 ? path + 1.5 : path - 4.5) * tile;
    Rect(cr, x, y + tile, tile * 2.5, tile * 2, Hex(0xE8E0C8));
    cairo_move_to(cr, x - 2, y + tile + 1);
    cairo_line_to(cr, x + tile * 1.25, y - 2);
    cairo_line_to(cr, x + tile * 2.5 + 2, y + tile + 1);
    SetColour(cr, Hex(s.hero));
    cairo_fill(cr);
    Rect(cr, x + tile, y + tile * 2, tile * 0.5, tile, Hex(0x5A3418));
  }
  double hx = w * 0.42, hy = (path + 0.7) * tile;
  Figure(cr, hx, hy, tile * 1.6, Hex(s.hero), Hex(0xF8C898), true);
  Figure(cr, hx + tile * 4, hy, tile * 1.4, Darker(accent, 0.5), Hex(0xB8F0B8), false);

  if (s.theme == Theme::Town || s.theme == Theme::Castle) {
    // A talk box at the bottom, as in a role-playing game.
    double boxH = s.pixelated ? 24 : 36;
    Rect(cr, 4, h - boxH - 4, w - 8, boxH, Hex(0x10187A), 0.92);
    cairo_rectangle(cr, 5, h - boxH - 3, w - 10, boxH - 2);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    TextStyle talk{.font = "DejaVu Sans Mono Bold", .fill = Hex(0xFFFFFF), .crisp = true};
    PlaceText(cr, "Welcome, traveller!", talk, s.pixelated ? 7 : 10, 10, h - boxH + 1);
    PlaceText(cr, "The bridge is out.", talk, s.pixelated ? 7 : 10, 10, h - boxH / 2);
  } else {
    Rect(cr, 0, 0, w, s.pixelated ? 11 : 15, Hex(0x000000));
    for (int i = 0; i < 5; ++i) {
      double x = w - 10 - i * (s.pixelated ? 8 : 11);
      Oval(cr, x, s.pixelated ? 5 : 7, 2.5, 2.5, i < 3 ? Hex(0xE83030) : Hex(0x603030));
    }
    Hud(cr, w, "RUPIES 042", nullptr, Hex(0xFFFFFF), s.pixelated);
  }
}

void DrawShooter(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb accent = Hex(s.accent), hero = Hex(s.hero);
  Sky(cr, w, h, Hex(s.sky), Hex(s.ground), s.pixelated);
  for (int i = 0; i < 70; ++i)
    Rect(cr, random.Int(0, w), random.Int(0, h), 1, random.Chance(0.2) ? 2 : 1, Hex(0xFFFFFF), random.Range(0.4, 1));
  if (s.theme == Theme::Space) {
    // A sideways run: a planet behind and the ship heading right.
    Oval(cr, w * 0.75, h * 0.85, w * 0.35, w * 0.35, Darker(accent, 0.4));
    Oval(cr, w * 0.7, h * 0.8, w * 0.3, w * 0.3, Darker(accent, 0.2));
    double sx = w * 0.2, sy = h * 0.45;
    cairo_move_to(cr, sx + 18, sy);
    cairo_line_to(cr, sx - 8, sy - 8);
    cairo_line_to(cr, sx - 4, sy);
    cairo_line_to(cr, sx - 8, sy + 8);
    cairo_close_path(cr);
    SetColour(cr, hero);
    cairo_fill(cr);
    Rect(cr, sx - 12, sy - 1.5, 5, 3, Hex(0xFFC040));
    for (int b = 0; b < 5; ++b) Rect(cr, sx + 26 + b * 24, sy - 1, 10, 2, Hex(0xFFF080));
    for (int e = 0; e < 6; ++e) {
      double ex = w * random.Range(0.55, 0.95), ey = h * random.Range(0.1, 0.7);
      Oval(cr, ex, ey, 7, 5, accent);
      Rect(cr, ex - 3, ey - 1, 2, 2, Hex(0xFFFFFF));
    }
  } else {
    // Rows of swooping insects over the player's ship.
    const int cols = 8, rows = 4;
    double cell = w / (cols + 2.0);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        if (random.Chance(0.15)) continue;
        double x = cell * (c + 1.5), y = 24 + r * cell * 0.8;
        Rgb body = r == 0 ? Hex(0x3CBCFC) : r == 1 ? accent : Hex(0xF8D800);
        Rect(cr, x - 3, y - 2, 6, 5, body);
        Rect(cr, x - 6, y - 3, 3, 3, Darker(body, 0.3));
        Rect(cr, x + 3, y - 3, 3, 3, Darker(body, 0.3));
        Rect(cr, x - 1, y, 1, 1, Hex(0xFFFFFF));
      }
    double sx = w * 0.45, sy = h - 20;
    cairo_move_to(cr, sx, sy - 9);
    cairo_line_to(cr, sx + 7, sy + 5);
    cairo_line_to(cr, sx - 7, sy + 5);
    cairo_close_path(cr);
    SetColour(cr, hero);
    cairo_fill(cr);
    Rect(cr, sx - 1, sy - 5, 2, 4, Hex(0xE82020));
    for (int b = 0; b < 3; ++b) Rect(cr, sx - 0.5, sy - 24 - b * 18, 1, 5, Hex(0xFFFFFF));
  }
  Hud(cr, w, "1UP 012340", "HI 050000", Hex(0xFF3030), s.pixelated);
}

void DrawPinball(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb accent = Hex(s.accent), ground = Hex(s.ground);
  Sky(cr, w, h, Hex(s.sky), ground, s.pixelated);
  // The playfield's outline, lanes and a star pattern.
  cairo_move_to(cr, 12, h);
  cairo_line_to(cr, 12, 40);
  cairo_curve_to(cr, 12, 8, w - 12, 8, w - 12, 40);
  cairo_line_to(cr, w - 12, h);
  SetColour(cr, Hex(0xC0C8D8));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) Rect(cr, w * 0.3 + i * 16, 36, 2, 20, Hex(0xC0C8D8));
  for (int i = 0; i < 6; ++i) {
    Star(cr, random.Range(0.2, 0.8) * w, random.Range(0.45, 0.7) * h, 5, 2, 5);
    SetColour(cr, i % 2 ? accent : Hex(0xF8E040));
    cairo_fill(cr);
  }
  for (int b = 0; b < 3; ++b) {
    double bx = w * (0.35 + 0.15 * b), by = h * (b == 1 ? 0.28 : 0.36);
    Oval(cr, bx, by, 11, 11, Darker(accent, 0.3));
    Oval(cr, bx, by, 8, 8, accent);
    Oval(cr, bx - 2, by - 2, 3, 3, Lighter(accent, 0.6));
  }
  // Slingshots and flippers.
  for (int side = 0; side < 2; ++side) {
    double dir = side ? -1 : 1, base = side ? w - 22 : 22;
    cairo_move_to(cr, base, h * 0.72);
    cairo_line_to(cr, base, h * 0.82);
    cairo_line_to(cr, base + dir * 22, h * 0.86);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xE8E8E8));
    cairo_fill(cr);
    cairo_move_to(cr, w / 2 - dir * 42, h * 0.88);
    cairo_line_to(cr, w / 2 - dir * 10, h * 0.93);
    SetColour(cr, Hex(0xF8F8F8));
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  // The ball, curled into a spiky hero.
  Oval(cr, w * 0.58, h * 0.55, 6, 6, Hex(s.hero));
  Oval(cr, w * 0.58 + 2, h * 0.55 - 2, 2, 2, Hex(0xFFFFFF));
  Hud(cr, w, "BALL 2", "1,250,400", Hex(0xF8E040), s.pixelated);
}

void DrawPuzzle(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb accent = Hex(s.accent);
  Sky(cr, w, h, Hex(s.sky), Hex(s.ground), s.pixelated);
  const double cell = 8, wellX = w * 0.12, wellY = 14;
  const int cols = 8, rows = static_cast<int>((h - wellY - 6) / cell);
  Rect(cr, wellX - 3, wellY - 3, cols * cell + 6, rows * cell + 6, Hex(0x303030));
  Rect(cr, wellX, wellY, cols * cell, rows * cell, Hex(0x101828));
  const Rgb eggs[] = {accent, Hex(0xF87858), Hex(0x58A8F8), Hex(0xF8D848)};
  auto egg = [&](double x, double y, Rgb colour) {
    Oval(cr, x + cell / 2, y + cell / 2, cell / 2 - 0.5, cell / 2 - 0.5, colour);
    Rect(cr, x + 2, y + 2, 2, 1, Lighter(colour, 0.6));
  };
  for (int c = 0; c < cols; ++c) {
    int height = random.Int(1, rows / 3);
    for (int k = 0; k < height; ++k) egg(wellX + c * cell, wellY + (rows - 1 - k) * cell, eggs[random.Int(0, 3)]);
  }
  for (int k = 0; k < 3; ++k) egg(wellX + 3 * cell, wellY + (3 + k) * cell, eggs[1]);
  egg(wellX + 4 * cell, wellY + 5 * cell, eggs[1]);
  // Side panel with the next piece and a friendly dinosaur.
  double px = wellX + cols * cell + 10;
  Hud(cr, w, "SCORE", nullptr, Hex(0xFFFFFF), s.pixelated);
  TextStyle label{.font = "DejaVu Sans Mono Bold", .fill = Hex(0xFFFFFF), .crisp = true};
  PlaceText(cr, "NEXT", label, 7, px, 16);
  PlaceText(cr, "003120", label, 7, 34, 2);
  egg(px + 4, 28, eggs[2]);
  egg(px + 12, 28, eggs[3]);
  double dx = px + 16, dy = h - 14;
  Oval(cr, dx, dy - 8, 9, 8, Hex(s.hero));
  Oval(cr, dx + 8, dy - 18, 6, 5, Hex(s.hero));
  Rect(cr, dx + 9, dy - 20, 2, 2, Hex(0x000000));
  Rect(cr, dx - 6, dy - 2, 3, 4, Darker(Hex(s.hero), 0.3));
  Rect(cr, dx + 3, dy - 2, 3, 4, Darker(Hex(s.hero), 0.3));
}

}  // namespace quil::assetgen
