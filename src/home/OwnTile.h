#pragma once

#include <string>

#include "runtime/Picture.h"

namespace quil::home {

// A channel of the user's own on a tile of the menu. Its tile behaves as a
// game's does: the outline and hover sound, its title as the tooltip, the
// click, the music stopped and the zoom into its channel screen.
struct OwnTile {
  int tile;
  std::string title;
  rt::PictureRef picture;  // drawn over the tile's whole picture box
  int screenCode;          // the channel screen the zoom opens
};

}  // namespace quil::home
