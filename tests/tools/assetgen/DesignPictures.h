#pragma once

#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

namespace quil::assets::test {

// How a picture is drawn at twice and three times its size.
enum class Larger {
  Drawn,     // afresh, with the detail of the larger size
  Blocks,    // pixel art: each of its pixels a block of whole pixels
  Not,       // not at all: the window icon's sizes, which the desktop takes as they are
};

struct DesignPicture {
  std::string name;
  int width, height;
  Larger larger = Larger::Drawn;
};

// Every picture the screens show, with the pixel size it is drawn at: the
// catalogue's tile cards and screenshots, and the rest of the screens' art.
inline std::vector<DesignPicture> DesignPictures() {
  using enum Larger;
  using catalogue::Style;
  std::vector<DesignPicture> all = {
      {"Image1", 451, 337},       {"Image2", 451, 337},       {"Image3", 451, 337},       {"Image6", 451, 337},
      {"ImageLine", 871, 63},     {"ImageGreyBar", 810, 162}, {"ImageCurveLine1", 222, 153},
      {"ImageCurveLine2", 222, 153}, {"ImageAR", 33, 48},     {"ImageAL", 33, 48},        {"ImageLabelQuil", 45, 27},
      {"ImageMail", 43, 28},      {"ImageExit", 118, 33},     {"ChannelButton", 118, 33}, {"PointerHand", 32, 32},
      {"PointerBlank", 32, 32},   {"AppIcon48", 48, 48, Not},      {"AppIcon32", 32, 32, Not},      {"AppIcon24", 24, 24, Not},
      {"AppIcon16", 16, 16, Not},      {"ChannelIcon", 32, 32},    {"BannerKestrel", 444, 65},
      {"BannerSuperKestrel", 444, 65}, {"BannerKestrel64", 444, 65}, {"BannerMeridian", 444, 65},
  };
  const auto card = [&all](int tile, catalogue::PixelSize size, Larger larger) {
    all.push_back({"Shape" + std::to_string(tile) + "Image", size.width, size.height, larger});
  };
  for (const catalogue::ConsoleTile& tile : catalogue::kConsoleTiles) card(tile.tile, tile.picture.size, Drawn);
  for (const catalogue::Game& game : catalogue::kGames) {
    // The 8-bit platform's cards are pixel art; every screenshot but the early-3D platform's is.
    card(game.tile, game.picture.size, game.style == Style::Kestrel ? Blocks : Drawn);
    all.push_back({std::string(game.form) + "Screenshot", game.screenshot.size.width, game.screenshot.size.height,
                   game.style == Style::Kestrel64 ? Drawn : Blocks});
  }
  return all;
}

}  // namespace quil::assets::test
