#pragma once

#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

namespace quil::assets::test {

struct DesignPicture {
  std::string name;
  int width, height;
};

// Every picture the screens show, with the pixel size it is drawn at: the
// catalogue's tile cards and screenshots, and the rest of the screens' art.
inline std::vector<DesignPicture> DesignPictures() {
  std::vector<DesignPicture> all = {
      {"Image1", 451, 337},       {"Image2", 451, 337},       {"Image3", 451, 337},       {"Image6", 451, 337},
      {"ImageLine", 871, 63},     {"ImageGreyBar", 810, 162}, {"ImageCurveLine1", 222, 153},
      {"ImageCurveLine2", 222, 153}, {"ImageAR", 33, 48},     {"ImageAL", 33, 48},        {"ImageLabelQuil", 45, 27},
      {"ImageMail", 43, 28},      {"ImageExit", 118, 33},     {"ChannelButton", 118, 33}, {"PointerHand", 32, 32},
      {"PointerBlank", 32, 32},   {"AppIcon48", 48, 48},      {"AppIcon32", 32, 32},      {"AppIcon24", 24, 24},
      {"AppIcon16", 16, 16},      {"ChannelIcon", 32, 32},    {"BannerKestrel", 444, 65},
      {"BannerSuperKestrel", 444, 65}, {"BannerKestrel64", 444, 65}, {"BannerMeridian", 444, 65},
  };
  const auto card = [&all](int tile, catalogue::PixelSize size) {
    all.push_back({"Shape" + std::to_string(tile) + "Image", size.width, size.height});
  };
  for (const catalogue::ConsoleTile& tile : catalogue::kConsoleTiles) card(tile.tile, tile.picture.size);
  for (const catalogue::Game& game : catalogue::kGames) {
    card(game.tile, game.picture.size);
    all.push_back({std::string(game.form) + "Screenshot", game.screenshot.size.width, game.screenshot.size.height});
  }
  return all;
}

}  // namespace quil::assets::test
