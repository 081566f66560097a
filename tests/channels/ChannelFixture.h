#pragma once

#include <string_view>

#include "HomeFixture.h"
#include "channels/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "shell/runtime/Time.h"

namespace quil::test {

// The home menu at rest, from which the tests zoom into channel screens.
class ChannelFixture : public HomeFixture {
 protected:
  // Starts the zoom to the screen of `code` the way a game tile does.
  void ArmZoom(int code) {
    Menu().ScreenCode = code;
    Menu().Get<rt::PictureBox>("Picture1").SetVisible(true);
    Menu().TimerNamed("TimerZoom").SetEnabled(true);
  }
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
    ArmZoom(channels::ChannelNamed(form)->code);
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
