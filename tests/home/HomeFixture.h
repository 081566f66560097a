#pragma once

#include <gtest/gtest.h>

#include <string>

#include "home/HomeMenu.h"
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

  home::HomeMenu& Start() {
    app.Start("Form1");
    return Menu();
  }
  home::HomeMenu& Menu() { return app.Get<home::HomeMenu>("Form1"); }

  // Runs the intro up to the accepted click at virtual time `clickAt` (ms).
  home::HomeMenu& Reveal(int clickAt = 1500) {
    home::HomeMenu& menu = Start();
    driver.Advance(clickAt);
    driver.Click("Image1");
    return menu;
  }

  // Reveals the menu and lets the jingle's hold-off run out.
  home::HomeMenu& MenuAtRest() {
    home::HomeMenu& menu = Reveal();
    driver.Advance(2500);
    return menu;
  }

  // Clicks the arrows until `page` is on screen and its scroll is over.
  void TurnTo(int page) {
    while (Menu().PagesPart().Page() != page) {
      driver.Click(Menu().PagesPart().Page() < page ? "ImageAR" : "ImageAL");
      driver.Advance(1000);
    }
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
