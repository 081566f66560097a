// The screenshot on each game's channel screen: a scene generator per kind of
// game, varied per title by theme, palette and seed, drawn in the manner of
// the game's platform.
#include "PictureSet.h"
#include "Scenes.h"
#include "catalogue/Catalogue.h"

namespace quil::assetgen {

namespace {

using catalogue::Style;
using K = SceneKind;

void DrawScene(cairo_t* cr, int w, int h, const Scene& scene, Random& random) {
  switch (scene.kind) {
    case K::Platformer: return DrawPlatformer(cr, w, h, scene, random);
    case K::Brawler: return DrawBrawler(cr, w, h, scene, random);
    case K::TopDown: return DrawTopDown(cr, w, h, scene, random);
    case K::Shooter: return DrawShooter(cr, w, h, scene, random);
    case K::Road: return DrawRoad(cr, w, h, scene, random);
    case K::Pinball: return DrawPinball(cr, w, h, scene, random);
    case K::Puzzle: return DrawPuzzle(cr, w, h, scene, random);
    case K::Polygon: return DrawPolygon(cr, w, h, scene, random);
  }
}

Surface PaintScreenshot(const catalogue::Game& game, std::uint64_t seed, int factor) {
  const catalogue::Screenshot& shot = game.screenshot;
  const auto [width, height] = shot.size;
  Scene scene{shot.kind, shot.theme, shot.sky, shot.ground, shot.accent, shot.hero, game.style == Style::Kestrel};
  Random random(seed);
  auto draw = [&](cairo_t* cr, int w, int h) { DrawScene(cr, w, h, scene, random); };
  switch (game.style) {
    case Style::Kestrel: return Pixelated(width, height, 2, factor, draw);
    case Style::SuperKestrel:
    case Style::Meridian: return Pixelated(width, height, 1, factor, draw);
    case Style::Kestrel64: break;
  }
  return Drawn(width, height, factor, [&](cairo_t* cr) { draw(cr, width, height); });
}

}  // namespace

void AddScreenshots(PictureSet& set) {
  std::uint64_t seed = 1000;
  for (const catalogue::Game& game : catalogue::kGames) {
    ++seed;
    set.push_back({std::string(game.form) + "Screenshot",
                   AtEverySize([&](int factor) { return PaintScreenshot(game, seed, factor); })});
  }
}

}  // namespace quil::assetgen
