#pragma once

#include <cstdint>

#include "catalogue/Geometry.h"

// What the asset tool draws for a tile and for a game: the catalogue names the
// art, the tool paints it.
namespace quil::catalogue {

// Background art of a tile card, behind its title.
enum class Motif {
  Disc, Avatar, Shop, Forecast, News,  // the console's own channels
  Sunburst, Stars, Hills, Grid, Flames, Waves, City, Jungle, Blocks, Sword, Speed, Ring, Planet, Ink, Checker,
  Bubbles,
};

// A tile's card: its motif in the card's colours, and the tile's name lettered
// over it in the manner of the game's platform. Colours are picked to sit on
// the tile's frame fill.
struct Card {
  Motif motif;
  std::uint32_t sky, ground, accent, ink, outline;  // 0xRRGGBB
  const char* font = nullptr;                        // instead of the platform's face
  bool opaque = false;                               // square corners, no transparency
};

// What a game's screenshot shows; each kind is one scene generator.
enum class SceneKind { Platformer, Brawler, TopDown, Shooter, Road, Pinball, Puzzle, Polygon };

// A theme picks the scenery details inside a kind.
enum class Theme { Grass, Desert, Speed, Jungle, Cave, Tech, Candy, Beach, Street, Arena, Boxing, Comic, Night,
                   Ruins, Town, Dungeon, Space, Neon, Kart, Castle, Forest };

inline constexpr PixelSize kScreenshotSize{247, 211};

// A game's screenshot: a scene of its kind and theme in its colours.
struct Screenshot {
  SceneKind kind;
  Theme theme;
  std::uint32_t sky, ground, accent, hero;  // 0xRRGGBB
  PixelSize size = kScreenshotSize;
};

}  // namespace quil::catalogue
