#pragma once

#include <array>

#include "audio/Mp3Player.h"
#include "audio/SoundEffect.h"
#include "home/HoverSound.h"
#include "home/MenuDesign.h"
#include "home/MenuMusic.h"
#include "home/OwnTile.h"
#include "home/Tiles.h"
#include "home/Zoom.h"
#include "runtime/Application.h"

namespace quil::home {

// A click on a tile's picture. The console's own channels answer with a joke
// message box; a game plays its sound, stops the music and starts the zoom
// that opens its channel screen. An empty slot's picture takes no click.
class TileClicks {
 public:
  struct Parts {
    HoverSound& hover;
    MenuMusic& music;
    Zoom& zoom;
  };

  TileClicks(const Tiles& tiles, const Parts& parts, rt::Application& app, audio::SoundEffect& sound,
             audio::Mp3Player& player);
  TileClicks(const TileClicks&) = delete;
  TileClicks& operator=(const TileClicks&) = delete;

  // An own channel's tile, seated by `tiles`, opens the channel screen of its code as a game's does.
  void Seat(const Tiles& tiles, const OwnTile& own);

 private:
  void OnTileClicked(int tile);
  void OpenBroadcast(const design::BroadcastClick& click);
  void OpenGame(const design::GameClick& click);

  Parts parts_;
  rt::Application& app_;
  audio::SoundEffect& sound_;
  audio::Mp3Player& player_;
  std::array<int, geometry::kTileCount> ownCodes_{};  // by tile less one; 0 for none
};

}  // namespace quil::home
