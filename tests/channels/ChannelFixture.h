#pragma once

#include <string_view>

#include "HomeFixture.h"
#include "catalogue/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "home/MenuDesign.h"
#include "runtime/Time.h"

namespace quil::test {

// The home menu at rest, from which the tests zoom into channel screens.
class ChannelFixture : public HomeFixture {
 protected:
  using HomeFixture::HomeFixture;

  // A click on the tile's picture. Tiles of later pages wait off screen, so the
  // click goes to the picture itself rather than through a point on the screen.
  void ClickTile(int tile) { Menu().Get<rt::Image>(home::design::TilePictureName(tile)).Click(); }
  // Runs the zoom tick by tick until something other than the menu is in front.
  int ZoomTicks() {
    for (int tick = 1; tick <= 30; ++tick) {
      app.RunFor(rt::kTimerResolution);
      if (app.Front() != &Menu()) return tick;
    }
    return 0;
  }
  // Zooms from the menu into the screen named `form`; returns it once it is in front.
  channels::ChannelScreen& Open(std::string_view form) {
    if (!app.IsCreated("Form1")) MenuAtRest();
    ClickTile(catalogue::GameNamed(form)->tile);
    ZoomTicks();
    return Front();
  }
  channels::ChannelScreen& Front() { return dynamic_cast<channels::ChannelScreen&>(*app.Front()); }
  bool Shown(std::string_view control) { return app.Front()->Find(control)->Visible(); }
  int Effects(std::string_view relative) const {
    int count = 0;
    for (const auto& effect : media.Effects()) count += effect.ends_with(relative);
    return count;
  }
  // Over the window's background: the grey page away from every picture and caption.
  void MoveOverPage() { driver.MoveTo(11000, 6000); }
};

}  // namespace quil::test
