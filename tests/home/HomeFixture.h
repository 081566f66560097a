#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "home/Form1.h"
#include "shell/Program.h"
#include "shell/runtime/Image.h"
#include "shell/runtime/Label.h"
#include "shell/runtime/PictureBox.h"
#include "shell/runtime/Shape.h"
#include "support/Driver.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"

namespace quil::test {

// The home menu on a virtual clock, in a fresh application folder of its own
// whose Music folder holds the five playlist tracks.
class HomeFixture : public ::testing::Test {
 protected:
  HomeFixture() : folder(NewScratchFolder()) {
    std::filesystem::create_directories(folder / "Music");
    for (const char* track : {"Menu.mp3", "1.mp3", "2.mp3", "3.mp3", "4.mp3"}) std::ofstream(folder / "Music" / track);
    platform.SetAppPath(folder.string());
    shell::RegisterForms(app, media);
  }
  ~HomeFixture() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // Unique, so that test runs side by side never share or delete each other's folder.
  static std::filesystem::path NewScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quil-home-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
    return pattern;
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

  std::string Path(const std::string& relative) const { return folder.string() + relative; }
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

  std::filesystem::path folder;
  FakePlatform platform;
  FakeMultimedia media;
  rt::Application app{platform};
  Driver driver{app, platform};
};

}  // namespace quil::test
