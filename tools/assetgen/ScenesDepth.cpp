// Scenes with depth: road racers drawn line by line as 16-bit machines did,
// and the flat-shaded polygon worlds of the early 3D machine.
#include <algorithm>
#include <cmath>

#include "Scenes.h"

namespace quil::assetgen {

namespace {

struct Camera {
  double w, horizon, focal, height;
  double X(double x, double z) const { return w / 2 + x * focal / z; }
  double Y(double y, double z) const { return horizon + (height - y) * focal / z; }
};

void Quad(cairo_t* cr, const Camera& cam, double x0, double z0, double x1, double z1, double y, Rgb colour) {
  cairo_move_to(cr, cam.X(x0, z0), cam.Y(y, z0));
  cairo_line_to(cr, cam.X(x1, z0), cam.Y(y, z0));
  cairo_line_to(cr, cam.X(x1, z1), cam.Y(y, z1));
  cairo_line_to(cr, cam.X(x0, z1), cam.Y(y, z1));
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
}

// A box standing on the ground, lit from the upper left: three flat faces.
void Block(cairo_t* cr, const Camera& cam, double x, double z, double size, double height, Rgb colour) {
  double x0 = x - size / 2, x1 = x + size / 2, z0 = z - size / 2, z1 = z + size / 2;
  auto face = [&](std::initializer_list<std::pair<double, double>> pts, double y0, double y1, Rgb c) {
    bool first = true;
    for (auto [px, pz] : pts) {
      if (first) cairo_move_to(cr, cam.X(px, pz), cam.Y(y0, pz)), first = false;
      else cairo_line_to(cr, cam.X(px, pz), cam.Y(y0, pz));
    }
    for (auto it = std::rbegin(pts); it != std::rend(pts); ++it) cairo_line_to(cr, cam.X(it->first, it->second), cam.Y(y1, it->second));
    cairo_close_path(cr);
    SetColour(cr, c);
    cairo_fill(cr);
  };
  face({{x0, z0}, {x1, z0}}, 0, height, colour);
  if (x > 0) face({{x0, z0}, {x0, z1}}, 0, height, Darker(colour, 0.3));
  else face({{x1, z0}, {x1, z1}}, 0, height, Darker(colour, 0.3));
  Quad(cr, cam, x0, z0, x1, z1, height, Lighter(colour, 0.25));
}

void Cone(cairo_t* cr, const Camera& cam, double x, double z, double r, double height, Rgb colour) {
  double bx = cam.X(x, z), by = cam.Y(0, z), tx = cam.X(x, z), ty = cam.Y(height, z), rr = r * cam.focal / z;
  cairo_move_to(cr, tx, ty);
  cairo_line_to(cr, bx - rr, by);
  cairo_line_to(cr, bx, by + rr * 0.25);
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
  cairo_move_to(cr, tx, ty);
  cairo_line_to(cr, bx, by + rr * 0.25);
  cairo_line_to(cr, bx + rr, by);
  cairo_close_path(cr);
  SetColour(cr, Darker(colour, 0.3));
  cairo_fill(cr);
}

}  // namespace

void DrawRoad(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb sky = Hex(s.sky), ground = Hex(s.ground), accent = Hex(s.accent);
  const double horizon = std::round(h * 0.45);
  const bool neon = s.theme == Theme::Neon;
  Sky(cr, w, horizon, sky, Lighter(sky, 0.5), s.pixelated);
  for (double x = -20; x < w; x += random.Range(30, 60)) {
    double peak = random.Range(12, 35);
    cairo_move_to(cr, x, horizon);
    cairo_line_to(cr, x + 30, horizon - peak);
    cairo_line_to(cr, x + 70, horizon);
    SetColour(cr, neon ? Darker(accent, 0.5) : Mix(sky, Hex(0x404860), 0.6));
    cairo_fill(cr);
  }
  // One scanline at a time: depth from the row, the road bending with depth.
  const double bend = random.Range(-1, 1) * 60;
  for (int y = static_cast<int>(horizon); y < h; ++y) {
    double z = 1.0 / ((y - horizon + 1) / (h - horizon));
    double centre = w / 2 + bend * std::pow(1 - 1 / z, 2);
    double half = w * 0.55 / z + 4;
    bool stripe = static_cast<int>(z * 6) % 2 == 0;
    Rgb grass = neon ? (stripe ? Darker(ground, 0.2) : ground) : (stripe ? ground : Darker(ground, 0.12));
    Rect(cr, 0, y, w, 1, grass);
    Rect(cr, centre - half, y, half * 2, 1, neon ? Hex(0x1A1030) : (stripe ? Hex(0x6A6A70) : Hex(0x74747A)));
    double kerb = half * 0.1;
    Rect(cr, centre - half - kerb, y, kerb, 1, stripe ? Hex(0xE8E8E8) : accent);
    Rect(cr, centre + half, y, kerb, 1, stripe ? Hex(0xE8E8E8) : accent);
    if (stripe) Rect(cr, centre - half * 0.02, y, half * 0.04, 1, neon ? accent : Hex(0xF0F0F0));
  }
  // The player's machine from behind.
  Rgb hero = Hex(s.hero);
  double cx = w / 2, cy = h - 22;
  if (neon) {
    cairo_move_to(cr, cx - 22, cy + 10);
    cairo_line_to(cr, cx, cy - 8);
    cairo_line_to(cr, cx + 22, cy + 10);
    cairo_close_path(cr);
    SetColour(cr, hero);
    cairo_fill(cr);
    Rect(cr, cx - 14, cy + 8, 8, 3, Hex(0x60F0FF));
    Rect(cr, cx + 6, cy + 8, 8, 3, Hex(0x60F0FF));
  } else {
    Rect(cr, cx - 4, cy - 2, 8, 20, Hex(0x202020));
    Rect(cr, cx - 9, cy - 6, 18, 10, hero);
    Oval(cr, cx, cy - 14, 6, 6, Lighter(hero, 0.3));
    Rect(cr, cx - 3, cy + 10, 6, 3, Hex(0xE02020));
  }
  for (int o = 0; o < 2; ++o) {
    double oz = random.Range(2, 5), oy = horizon + (h - horizon) / oz;
    double ox = w / 2 + bend * std::pow(1 - 1 / oz, 2) + (o ? 1 : -1) * w * 0.2 / oz, size = 26 / oz;
    Rect(cr, ox - size / 2, oy - size, size, size, o ? accent : Hex(0x3878F8));
  }
  Hud(cr, w, neon ? "LAP 2/3" : "TIME 48", "182 km/h", Hex(0xFFFFFF), s.pixelated);
}

void DrawPolygon(cairo_t* cr, int w, int h, const Scene& s, Random& random) {
  Rgb sky = Hex(s.sky), ground = Hex(s.ground), accent = Hex(s.accent), hero = Hex(s.hero);
  Camera cam{static_cast<double>(w), h * 0.4, w * 0.9, 2.2};
  VerticalGradient(cr, 0, cam.horizon, sky, Lighter(sky, 0.6));
  cairo_paint(cr);
  // Far hills as big flat triangles, then the ground in shaded squares up to the fog.
  for (double x = -w * 0.2; x < w; x += random.Range(40, 80)) {
    cairo_move_to(cr, x, cam.horizon + 1);
    cairo_line_to(cr, x + random.Range(30, 50), cam.horizon - random.Range(15, 40));
    cairo_line_to(cr, x + random.Range(80, 120), cam.horizon + 1);
    SetColour(cr, Mix(Darker(ground, 0.1), Lighter(sky, 0.6), 0.55));
    cairo_fill(cr);
  }
  const bool neon = s.theme == Theme::Neon, kart = s.theme == Theme::Kart;
  for (int zi = 30; zi >= 1; --zi)
    for (int xi = -14; xi < 14; ++xi) {
      double z0 = zi, z1 = zi + 1, fog = std::min(1.0, zi / 30.0);
      Rgb tile = neon ? ((xi + zi) % 2 ? Hex(0x101830) : Hex(0x182040)) : ((xi + zi) % 2 ? ground : Darker(ground, 0.12));
      Quad(cr, cam, xi * 2.0, z0, xi * 2.0 + 2, z1, 0, Mix(tile, Lighter(sky, 0.6), fog * 0.8));
    }
  if (kart || neon) {
    // The track: a ribbon curving off to the horizon.
    for (int zi = 40; zi >= 2; --zi) {
      double z = zi * 0.75, curve = std::sin(z * 0.12) * 4 + z * z * 0.004;
      double fog = std::min(1.0, z / 30.0);
      Rgb road = neon ? ((zi % 2) ? accent : Darker(accent, 0.3)) : ((zi % 2) ? Hex(0x707078) : Hex(0x7C7C84));
      Quad(cr, cam, curve - 3, z, curve + 3, z + 0.76, 0.01, Mix(road, Lighter(sky, 0.6), fog * 0.7));
      if (!neon && zi % 2) {
        Quad(cr, cam, curve - 3.5, z, curve - 3, z + 0.76, 0.02, Hex(0xE82828));
        Quad(cr, cam, curve + 3, z, curve + 3.5, z + 0.76, 0.02, Hex(0xF0F0F0));
      }
    }
  }
  // Scenery, far to near so nearer things cover farther ones.
  std::vector<std::pair<double, double>> props;
  for (int i = 0; i < 14; ++i) props.push_back({random.Range(-14, 14), random.Range(4, 26)});
  std::sort(props.begin(), props.end(), [](auto& a, auto& b) { return a.second > b.second; });
  for (auto [x, z] : props) {
    if ((kart || neon) && std::abs(x) < 5) x += x < 0 ? -5 : 5;
    double fog = std::min(1.0, z / 30.0) * 0.6;
    if (s.theme == Theme::Castle && z > 14 && std::abs(x) < 6) {
      Block(cr, cam, x, z, 3, 4, Mix(Hex(0xD8D0C0), Lighter(sky, 0.6), fog));
      Cone(cr, cam, x, z - 1.5, 1.8, 6.5, Mix(Hex(0xC83030), Lighter(sky, 0.6), fog));
    } else if (neon) {
      Block(cr, cam, x, z, 1, random.Range(2, 6), Mix(Hex(0x283060), Lighter(sky, 0.4), fog));
    } else if (random.Chance(0.7)) {
      Cone(cr, cam, x, z, 0.9, random.Range(2.5, 4), Mix(accent, Lighter(sky, 0.6), fog));
    } else {
      Block(cr, cam, x, z, 1.2, 1.2, Mix(Hex(0xE0B040), Lighter(sky, 0.6), fog));
    }
  }
  // The hero: a low-poly figure, or a kart, seen from behind.
  double cx = w / 2, feet = h * 0.86;
  if (kart) {
    Rect(cr, cx - 22, feet - 14, 44, 12, hero);
    Rect(cr, cx - 26, feet - 8, 10, 10, Hex(0x202020));
    Rect(cr, cx + 16, feet - 8, 10, 10, Hex(0x202020));
    Oval(cr, cx, feet - 24, 8, 8, Lighter(hero, 0.2));
    Rect(cr, cx - 9, feet - 30, 18, 6, Hex(0xE82828));
  } else if (neon) {
    cairo_move_to(cr, cx - 30, feet);
    cairo_line_to(cr, cx, feet - 22);
    cairo_line_to(cr, cx + 30, feet);
    cairo_line_to(cr, cx, feet - 6);
    cairo_close_path(cr);
    SetColour(cr, hero);
    cairo_fill(cr);
    Oval(cr, cx - 12, feet - 4, 5, 2, Hex(0x80F8FF));
    Oval(cr, cx + 12, feet - 4, 5, 2, Hex(0x80F8FF));
  } else {
    cairo_move_to(cr, cx - 12, feet - 16);
    cairo_line_to(cr, cx + 12, feet - 16);
    cairo_line_to(cr, cx + 9, feet - 40);
    cairo_line_to(cr, cx - 9, feet - 40);
    cairo_close_path(cr);
    SetColour(cr, hero);
    cairo_fill(cr);
    Rect(cr, cx - 10, feet - 16, 8, 16, Darker(Hex(0x3050C8), 0.1));
    Rect(cr, cx + 2, feet - 16, 8, 16, Darker(Hex(0x3050C8), 0.3));
    Oval(cr, cx, feet - 48, 9, 9, Hex(0xF0C090));
    cairo_move_to(cr, cx - 11, feet - 50);
    cairo_line_to(cr, cx + 11, feet - 50);
    cairo_line_to(cr, cx, feet - 60);
    cairo_close_path(cr);
    SetColour(cr, Darker(hero, 0.2));
    cairo_fill(cr);
  }
  TextStyle hud{.font = "Bebas Neue Bold", .fill = Hex(0xFFE040), .outline = 1.2, .outlineColour = Hex(0x802000)};
  PlaceText(cr, kart ? "LAP 1/3" : neon ? "RANK 04" : "\u2605 x 12", hud, 18, 8, 4);
  PlaceText(cr, kart ? "2nd" : neon ? "1'12\"40" : "\u25CF x 087", hud, 18, w - 72, 4);
}

}  // namespace quil::assetgen
