#pragma once

#include <gtest/gtest.h>

#include <string>

#include "home/Form1.h"
#include "app/Program.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "support/Driver.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"
#include "support/ScratchFolder.h"

namespace quil::test {

// The home menu on a virtual clock, in a fresh application folder of its own
// whose Music folder holds the five playlist tracks.
class HomeFixture : public ::testing::Test {
 protected:
  // With `games`, the channels' "Start" runs the games it maps.
  explicit HomeFixture(channels::UserGames* games = nullptr) {
    for (const char* track : {"Menu.mp3", "1.mp3", "2.mp3", "3.mp3", "4.mp3"}) folder.Touch(std::string("/Music/") + track);
    platform.SetAppPath(folder.Path());
    app::RegisterFormsWithGames(app, media, games);
  }

  home::Form1& Start() {
    app.Start("Form1");
    return Menu();
  }
  home::Form1& Menu() { return app.Get<home::Form1>("Form1"); }

  // Runs the intro up to the accepted click at virtual time `clickAt` (ms).
  home::Form1& Reveal(int clickAt = 1500) {
    home::Form1& menu = Start();
    driver.Advance(clickAt);
    driver.Click("Image1");
    return menu;
  }

  // Reveals the menu and lets the jingle's hold-off run out.
  home::Form1& MenuAtRest() {
    home::Form1& menu = Reveal();
    driver.Advance(2500);
    return menu;
  }

  std::string Path(const std::string& relative) const { return folder.PathOf(relative); }
  rt::Shape& Frame(int tile) { return Menu().Get<rt::Shape>("Shape" + std::to_string(tile)); }
  int HoverSounds() const {
    int count = 0;
    for (const auto& effect : media.Effects()) count += effect.ends_with("/Sfx/tool_tip_text_BEST2.wav");
    return count;
  }
  void MoveOverBackground() { driver.MoveTo(11500, 300); }
  // A point of the bar's top edge that nothing covers.
  void MoveOverLine() { driver.MoveTo(4000, 6550); }
  // A point of the grey bar that no button covers.
  void MoveOverGreyBar() { driver.MoveTo(3500, 8800); }

  ScratchFolder folder;
  FakePlatform platform;
  FakeMultimedia media;
  rt::Application app{platform};
  Driver driver{app, platform};
};

}  // namespace quil::test
