#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>

#include <unistd.h>

#include "XvfbServer.h"
#include "app/PadShortcuts.h"
#include "app/Program.h"
#include "home/HomeMenu.h"
#include "runtime/Application.h"
#include "sdl/SdlPlatform.h"
#include "support/FakeMultimedia.h"

namespace quil::test {
namespace {

using namespace std::chrono_literals;

// The whole program on a real display, driven by SDL's virtual game
// controller as a player on the sofa would drive it.
class ControllerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new XvfbServer(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  ControllerTest() {
    app::RegisterForms(app_, media_);
    platform_.SetPadShortcuts(app::PadShortcut);
    app_.Start("Form1");
    // The black second: the controllers are looked for once the first frame is up.
    Run(1500);
  }
  ~ControllerTest() override { Unplug(); }

  void Run(int ms) { app_.RunFor(rt::Milliseconds(ms)); }

  void PlugIn() {
    device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                        SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device_, 0) << SDL_GetError();
    joystick_ = SDL_JoystickOpen(device_);
    ASSERT_NE(joystick_, nullptr) << SDL_GetError();
    Run(200);
  }

  void Unplug() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    SDL_JoystickDetachVirtual(device_);
    joystick_ = nullptr;
  }

  void Hold(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down); }
  void Press(SDL_GameControllerButton button) {
    Hold(button, true);
    Run(80);
    Hold(button, false);
    Run(80);
  }

  static SDL_Point Pointer() {
    SDL_Point at{};
    SDL_GetMouseState(&at.x, &at.y);
    return at;
  }

  // Pushes the stick towards the screen pixel, harder the further off it is,
  // until the pointer is on it; the stick then goes back to the middle.
  bool SteerTo(int x, int y) {
    const auto until = std::chrono::steady_clock::now() + 4s;
    bool there = false;
    while (!there && std::chrono::steady_clock::now() < until) {
      const SDL_Point at = Pointer();
      const double dx = x - at.x, dy = y - at.y;
      const double distance = std::hypot(dx, dy);
      there = distance < 4;
      const double push = there ? 0 : 0.45 + 0.55 * std::min(1.0, distance / 150);
      SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(dx / distance * push * 32767));
      SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(dy / distance * push * 32767));
      Run(32);
    }
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, 0);
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, 0);
    Run(100);
    return there;
  }

  std::string Front() const { return app_.Front() ? app_.Front()->Name() : ""; }
  home::HomeMenu& Menu() { return app_.Get<home::HomeMenu>("Form1"); }

  static XvfbServer* server_;
  sdl::SdlPlatform platform_;
  FakeMultimedia media_;
  rt::Application app_{platform_};
  int device_ = -1;
  SDL_Joystick* joystick_ = nullptr;
};

XvfbServer* ControllerTest::server_ = nullptr;

TEST_F(ControllerTest, TheStickAReachesAndOpensATileShouldersTurnPagesAndAnUnplugIsHarmless) {
  PlugIn();
  Run(1500);
  Press(SDL_CONTROLLER_BUTTON_A);  // the intro's click
  Run(1500);
  ASSERT_TRUE(Menu().Find("ImageAR")->Visible()) << "the menu after A on the warning";

  ASSERT_TRUE(SteerTo(148, 240)) << "the pointer never reached tile 5";
  Press(SDL_CONTROLLER_BUTTON_A);
  Run(800);
  EXPECT_EQ(Front(), "Form222") << "Runeblade's screen after A on tile 5";

  Press(SDL_CONTROLLER_BUTTON_GUIDE);
  EXPECT_EQ(Front(), "Form1") << "the guide button clicks \"Quil Menu\"";
  Run(500);

  Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  Run(800);
  EXPECT_EQ(Menu().PagesPart().Page(), 2) << "the right shoulder button clicks the next-page arrow";
  Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  Run(800);
  EXPECT_EQ(Menu().PagesPart().Page(), 1);
  Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  Run(300);
  EXPECT_EQ(Menu().PagesPart().Page(), 1) << "the hidden previous-page arrow takes no click";

  // A tile's message box waits inside A's click; a player answers it with A.
  ASSERT_TRUE(SteerTo(148, 112)) << "the pointer never reached tile 1";
  bool boxShown = false;
  std::thread player([&] {
    for (int tries = 0; tries < 40 && !boxShown; ++tries) {
      std::this_thread::sleep_for(100ms);
      boxShown = server_->Run("xdotool search --onlyvisible --name '^Crimson Edge - Northgate$' >/dev/null") == 0;
    }
    Hold(SDL_CONTROLLER_BUTTON_A, true);
    std::this_thread::sleep_for(100ms);
    Hold(SDL_CONTROLLER_BUTTON_A, false);
  });
  Press(SDL_CONTROLLER_BUTTON_A);
  player.join();
  Run(300);
  EXPECT_TRUE(boxShown);
  EXPECT_NE(server_->Run("xdotool search --onlyvisible --name '^Crimson Edge - Northgate$' >/dev/null"), 0)
      << "the box is still open";

  Unplug();
  Run(300);
  EXPECT_FALSE(app_.Ended()) << "the program ended with its controller";
  PlugIn();
  Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  Run(800);
  EXPECT_EQ(Menu().PagesPart().Page(), 2) << "a controller plugged in again drives the menu";
}

// A push still held from the game when the menu comes back moves nothing
// until it has been let go, on a controller that reports its whole state.
TEST_F(ControllerTest, APushHeldFromAGameWaitsForItsRelease) {
  PlugIn();
  Run(1500);
  Press(SDL_CONTROLLER_BUTTON_A);  // the intro's click
  Run(1500);
  ASSERT_TRUE(SteerTo(400, 300));

  platform_.HandOver(getsid(0));
  Hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  Run(1100);
  platform_.TakeBack();
  Run(300);
  // A stick's stir, within its dead zone, has the D-pad read afresh.
  SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, 2000);
  Run(300);
  EXPECT_EQ(Pointer().x, 400) << "the D-pad held from the game moved the pointer";
  Hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  Run(100);
  Hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  Run(300);
  Hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
  EXPECT_GT(Pointer().x, 400) << "the D-pad pressed afresh";
}

}  // namespace
}  // namespace quil::test
