// The screenshot on each game's channel screen: a scene generator per kind of
// game, varied per title by theme, palette and seed, drawn in the manner of
// the game's platform.
#include "PictureSet.h"
#include "Scenes.h"

namespace quil::assetgen {

namespace {

enum class Platform { Kestrel, SuperKestrel, Kestrel64, Meridian };

struct Screenshot {
  const char* form;
  Platform platform;
  SceneKind kind;
  Theme theme;
  std::uint32_t sky, ground, accent, hero;  // 0xRRGGBB
  int width = 247, height = 211;
};

using K = SceneKind;
using T = Theme;
using P = Platform;

constexpr Screenshot kScreenshots[] = {
    {"FormSkyhop64", P::Kestrel64, K::Polygon, T::Castle, 0x58A8F8, 0x48B848, 0x2E8B3A, 0xE02828},
    {"Form222", P::Kestrel, K::TopDown, T::Grass, 0x2038E8, 0x80D010, 0x007800, 0xD82800},
    {"FormAlleyFury3", P::Meridian, K::Brawler, T::Street, 0x301848, 0x585068, 0xF8C040, 0x2858D8},
    {"FormSkyhop", P::Kestrel, K::Platformer, T::Grass, 0x5C94FC, 0xC84C0C, 0x00A800, 0xD82800},
    {"FormSkyhopWorld", P::SuperKestrel, K::Platformer, T::Grass, 0x78C8F8, 0xD8A060, 0x58C838, 0xE83020},
    {"FormBlitz", P::Meridian, K::Platformer, T::Speed, 0x2878F8, 0xB86818, 0x38B828, 0x1848E8},
    {"FormSkyhop3", P::Kestrel, K::Platformer, T::Desert, 0xFCBC68, 0xA85020, 0xE8A040, 0xF83800},
    {"FormBlitz2", P::Meridian, K::Platformer, T::Tech, 0x381868, 0x484878, 0xE838A8, 0x1848E8, 351, 220},
    {"FormFeralClash", P::SuperKestrel, K::Brawler, T::Arena, 0x401808, 0x705030, 0xF87820, 0x3868C8},
    {"FormRuneblade3", P::SuperKestrel, K::TopDown, T::Grass, 0x3878D8, 0x68B040, 0x287828, 0x38A038},
    {"FormFrogFist", P::SuperKestrel, K::Brawler, T::Night, 0x081838, 0x383048, 0x48C048, 0x58A030},
    {"FormFiddleFox", P::Kestrel64, K::Polygon, T::Forest, 0x88C8F0, 0x6AAE3A, 0x2F7A2A, 0xE07A20},
    {"FormBlitz3", P::Meridian, K::Platformer, T::Beach, 0x48C0F8, 0xE0C070, 0x30A0C0, 0x1848E8},
    {"FormTimeRift", P::SuperKestrel, K::TopDown, T::Town, 0x5878D8, 0x90B860, 0x4C8A3C, 0xC83850},
    {"FormInkRealm", P::Meridian, K::Brawler, T::Comic, 0xF4EEDC, 0x9890A0, 0xD83028, 0x2878C8},
    {"FormStarGunners", P::Meridian, K::Shooter, T::Space, 0x100830, 0x401018, 0xF86820, 0x58D8F8},
    {"FormNightDancer", P::Meridian, K::Brawler, T::Night, 0x180830, 0x302840, 0xC898F8, 0xF0F0F0},
    {"FormWerecrest", P::Meridian, K::Brawler, T::Ruins, 0x284858, 0x504838, 0x88A848, 0x8A5A30},
    {"FormBlitzPinball", P::Meridian, K::Pinball, T::Neon, 0x181048, 0x301860, 0xE83890, 0x1848E8},
    {"FormWhirlwind", P::Meridian, K::Platformer, T::Jungle, 0x70D0F8, 0x886030, 0x48B040, 0xF8A020},
    {"FormHoverRush", P::Kestrel64, K::Polygon, T::Neon, 0x081028, 0x101838, 0x20D8F8, 0xF83850},
    {"FormRingKings", P::Meridian, K::Brawler, T::Boxing, 0x101828, 0x3060B8, 0xD82828, 0x3090F8},
    {"FormStarSwarm", P::Kestrel, K::Shooter, T::Space, 0x000000, 0x000010, 0xE83838, 0xF8F8F8},
    {"FormApexRider", P::Meridian, K::Road, T::Grass, 0x68A8F8, 0x40A030, 0xE82828, 0xF8D020},
    {"FormPuffball", P::Kestrel, K::Platformer, T::Candy, 0xFCC4D8, 0xA060C0, 0xF878B8, 0xF8A8C8},
    {"FormShellSquad", P::Kestrel, K::Brawler, T::Street, 0x201830, 0x505060, 0x58D854, 0x00A800},
    {"FormZorbZip2", P::Meridian, K::TopDown, T::Grass, 0x38C8F8, 0xC8A868, 0xE848B0, 0xF87828},
    {"FormSkyhopRPG", P::SuperKestrel, K::TopDown, T::Castle, 0x4880E0, 0x78A850, 0x3E7A30, 0xD84830},
    {"FormZorbZip", P::Meridian, K::TopDown, T::Dungeon, 0x2870C8, 0x706080, 0xE8E040, 0xF84888},
    {"FormApeIsland", P::SuperKestrel, K::Platformer, T::Jungle, 0x60B8E0, 0x704018, 0x389028, 0x8A5028},
    {"FormDinoDrop", P::Kestrel, K::Puzzle, T::Grass, 0x3878F8, 0x1838A8, 0x58C848, 0x58C848},
    {"FormVoidHunter2", P::SuperKestrel, K::Platformer, T::Cave, 0x100818, 0x483848, 0x885898, 0xF88828},
    {"FormSkyhopRacer64", P::Kestrel64, K::Polygon, T::Kart, 0x50A0F0, 0x58B848, 0x2E8B3A, 0xE02828},
    {"FormJetGrid", P::SuperKestrel, K::Road, T::Neon, 0x280838, 0x480C58, 0xF868E8, 0x40D8F8},
    {"FormVoltBoy", P::SuperKestrel, K::Platformer, T::Tech, 0x183878, 0x506080, 0x38A8F8, 0x2868E8},
    {"FormVoidHunter", P::Kestrel, K::Platformer, T::Cave, 0x000000, 0x0058F8, 0x3CBCFC, 0xF8B800},
};

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

Surface PaintScreenshot(const Screenshot& shot, std::uint64_t seed) {
  Scene scene{shot.kind, shot.theme, shot.sky, shot.ground, shot.accent, shot.hero, shot.platform == P::Kestrel};
  Random random(seed);
  auto draw = [&](cairo_t* cr, int w, int h) { DrawScene(cr, w, h, scene, random); };
  switch (shot.platform) {
    case P::Kestrel: return Pixelated(shot.width, shot.height, 2, draw);
    case P::SuperKestrel:
    case P::Meridian: return Pixelated(shot.width, shot.height, 1, draw);
    case P::Kestrel64: break;
  }
  Surface s = NewSurface(shot.width, shot.height);
  Context c = Draw(s);
  draw(c.get(), shot.width, shot.height);
  return s;
}

}  // namespace

void AddScreenshots(PictureSet& set) {
  std::uint64_t seed = 1000;
  for (const Screenshot& shot : kScreenshots)
    set.push_back({std::string(shot.form) + "Screenshot", PaintScreenshot(shot, ++seed)});
}

}  // namespace quil::assetgen
