#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "HomeFixture.h"
#include "runtime/Frame.h"
#include "runtime/InputEvent.h"

namespace quil::test {

// The home menu at rest with the next-page arrow holding the focus, as after
// the user has tabbed to it, and ways to run its animations tick by tick.
class PagingFixture : public HomeFixture {
 protected:
  static constexpr int kKeyP = 'P';
  static constexpr int kKeyM = 'M';
  static constexpr int kKey1 = '1';
  static constexpr int kKey2 = '2';

  home::HomeMenu& MenuWithArrowFocused() {
    home::HomeMenu& menu = MenuAtRest();
    driver.KeyDown(rt::kKeyTab);
    driver.KeyUp(rt::kKeyTab);
    return menu;
  }

  // A key pressed and released.
  void Press(int keyCode, int shift = 0) {
    driver.KeyDown(keyCode, shift);
    driver.KeyUp(keyCode, shift);
  }

  // Runs the named timer tick by tick until it stops itself; `each` sees the
  // form after every tick. Returns the number of ticks.
  int TicksUntilStopped(const std::string& name, const std::function<void(int tick)>& each = {}) {
    rt::Timer& timer = Menu().TimerNamed(name);
    int ticks = 0;
    while (timer.Enabled() && ticks < 1000) {
      app.RunFor(timer.Deadline() - platform.Now());
      ++ticks;
      if (each) each(ticks);
    }
    return ticks;
  }
  int ScrollTicks(const std::function<void(int tick)>& each = {}) { return TicksUntilStopped("TimerPage", each); }

  // Turns the page with P or M and lets the scroll run out; returns its ticks.
  int TurnPage(int keyCode) {
    Press(keyCode);
    return ScrollTicks();
  }

  int EffectCount(std::string_view effect) const {
    int count = 0;
    for (const auto& played : media.Effects()) count += played.ends_with(effect);
    return count;
  }

  // How many pixels of a painted screen inside `area` (twips) show `colour`.
  static int PixelsOf(const std::vector<std::uint32_t>& screen, const rt::Rect& area, rt::Colour colour) {
    const rt::Rgb rgb = rt::ToRgb(colour);
    int count = 0;
    for (int y = static_cast<int>(area.top / 15); y < static_cast<int>(area.Bottom() / 15); ++y)
      for (int x = static_cast<int>(area.left / 15); x < static_cast<int>(area.Right() / 15); ++x) {
        const std::uint32_t pixel = screen.at(static_cast<std::size_t>(y) * 800 + x);
        count += rt::Rgb{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                         static_cast<std::uint8_t>(pixel)} == rgb;
      }
    return count;
  }

  rt::PictureBox& Arrow(const char* name) { return Menu().Get<rt::PictureBox>(name); }
  rt::Image& Picture(int tile) { return Menu().Get<rt::Image>("Shape" + std::to_string(tile) + "Image"); }
  rt::Frame& Panel() { return Menu().Get<rt::Frame>("Frame1"); }
};

}  // namespace quil::test
