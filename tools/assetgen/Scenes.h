#pragma once

#include "Paint.h"
#include "Random.h"
#include "catalogue/Art.h"

namespace quil::assetgen {

using catalogue::SceneKind;
using catalogue::Theme;

struct Scene {
  SceneKind kind;
  Theme theme;
  std::uint32_t sky, ground, accent, hero;  // 0xRRGGBB
  bool pixelated;  // 8-bit platforms: coarse pixels and flat colours
};

// Each draws the game scene over the whole w x h surface (in art pixels).
void DrawPlatformer(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawBrawler(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawTopDown(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawShooter(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawRoad(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawPinball(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawPuzzle(cairo_t* cr, int w, int h, const Scene& s, Random& random);
void DrawPolygon(cairo_t* cr, int w, int h, const Scene& s, Random& random);

// Shared pieces of the scenes.
void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb colour, double alpha = 1);
void Oval(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour);
// A sky in horizontal bands (16-bit) or flat (8-bit).
void Sky(cairo_t* cr, int w, double bottom, Rgb top, Rgb low, bool flat);
// A little person or creature standing with its feet at (x, feet), `size` pixels tall.
void Figure(cairo_t* cr, double x, double feet, double size, Rgb body, Rgb skin, bool facingRight);
// The score line along the top edge.
void Hud(cairo_t* cr, int w, const char* left, const char* right, Rgb colour, bool pixelated);

}  // namespace quil::assetgen
