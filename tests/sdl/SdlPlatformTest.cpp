#include "sdl/SdlPlatform.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "DesktopPixels.h"
#include "PlatformEvents.h"
#include "XvfbServer.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"

namespace quil::test {
namespace {

using Type = rt::InputEvent::Type;
using namespace std::chrono_literals;

constexpr rt::Colour kGreen = 0x0000FF00;

class GreenForm : public rt::Form {
 public:
  explicit GreenForm(rt::Application& app) : Form(app, "GreenForm") { SetBackColor(kGreen); }
};

class SdlPlatformTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new XvfbServer(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  std::vector<rt::InputEvent> Collect(int ms) { return CollectEvents(platform_, ms); }

  std::optional<rt::InputEvent> WaitFor(const std::function<bool(const rt::InputEvent&)>& wanted) {
    return WaitForEvent(platform_, wanted);
  }

  void ShowForm() {
    platform_.Present(form_, {});
    Collect(200);
  }

  rt::Rgb ScreenAt(int x, int y) {
    const std::string rgb = server_->Capture();
    const std::size_t at = (static_cast<std::size_t>(y) * 800 + x) * 3;
    if (rgb.size() < at + 3) return {};
    return {static_cast<std::uint8_t>(rgb[at]), static_cast<std::uint8_t>(rgb[at + 1]),
            static_cast<std::uint8_t>(rgb[at + 2])};
  }

  // Where pixels of the colour lie on the screen.
  Extent ExtentOf(rt::Colour colour) { return test::ExtentOf(server_->Capture(), 800, rt::ToRgb(colour)); }

  void AnswerBoxWithEnter() {
    server_->Run("xdotool key Return");
    ASSERT_TRUE(WaitFor([](const rt::InputEvent& e) { return e.type == Type::MessageBoxDismissed; }));
    platform_.CloseMessageBox();
    Collect(200);
  }

  static XvfbServer* server_;
  sdl::SdlPlatform platform_;
  rt::Application app_{platform_};
  GreenForm form_{app_};
};

XvfbServer* SdlPlatformTest::server_ = nullptr;

TEST_F(SdlPlatformTest, ScreenIsTheDisplayInTwips) {
  const rt::ScreenMetrics screen = platform_.Screen();
  EXPECT_EQ(screen.widthTwips, 12000);
  EXPECT_EQ(screen.heightTwips, 9000);
  EXPECT_EQ(screen.twipsPerPixelX, 15);
}

TEST_F(SdlPlatformTest, WindowAppearsOnFirstPresentCoveringTheScreen) {
  EXPECT_EQ(ScreenAt(400, 300), (rt::Rgb{0, 0, 0})) << "no window before anything is presented";
  ShowForm();
  EXPECT_EQ(ScreenAt(0, 0), (rt::Rgb{0, 255, 0}));
  EXPECT_EQ(ScreenAt(799, 599), (rt::Rgb{0, 255, 0}));
}

TEST_F(SdlPlatformTest, PointerAndKeysArriveAsPixelsAndVirtualKeys) {
  ShowForm();
  server_->Run("xdotool mousemove 123 234");
  auto moved = WaitFor([](const rt::InputEvent& e) { return e.type == Type::PointerMove && e.x == 123; });
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->y, 234);

  server_->Run("xdotool click 1");
  auto down = WaitFor([](const rt::InputEvent& e) { return e.type == Type::PointerDown; });
  auto up = WaitFor([](const rt::InputEvent& e) { return e.type == Type::PointerUp; });
  ASSERT_TRUE(down && up);
  EXPECT_EQ(down->x, 123);
  EXPECT_EQ(up->y, 234);

  server_->Run("xdotool key p");
  auto pressed = WaitFor([](const rt::InputEvent& e) { return e.type == Type::KeyDown; });
  auto released = WaitFor([](const rt::InputEvent& e) { return e.type == Type::KeyUp; });
  ASSERT_TRUE(pressed && released);
  EXPECT_EQ(pressed->keyCode, 'P');
  EXPECT_EQ(released->keyCode, 'P');

  server_->Run("xdotool key shift+1");
  auto digit = WaitFor([](const rt::InputEvent& e) { return e.type == Type::KeyDown && e.keyCode != 16; });
  ASSERT_TRUE(digit);
  EXPECT_EQ(digit->keyCode, '1');
  EXPECT_EQ(digit->shift, rt::kShiftMask);
}

TEST_F(SdlPlatformTest, MessageBoxWorksBeforeAnyFormAndEnterAnswersIt) {
  platform_.OpenMessageBox({"Your screen is not 800 x 600.", rt::MessageBoxStyle::Stop, "Quil OS"});
  Collect(200);
  EXPECT_EQ(ScreenAt(400, 300), rt::ToRgb(rt::SystemColour(15))) << "the box's face in the middle of the screen";
  server_->Run("xdotool key Return");
  EXPECT_TRUE(WaitFor([](const rt::InputEvent& e) { return e.type == Type::MessageBoxDismissed; }));
  platform_.CloseMessageBox();
}

TEST_F(SdlPlatformTest, EscapeThatAnswersTheBoxNeverReachesTheForm) {
  ShowForm();
  platform_.OpenMessageBox({"Not available.", rt::MessageBoxStyle::Information, "News"});
  Collect(200);
  server_->Run("xdotool key Escape");
  std::vector<rt::InputEvent> events;
  bool answered = false;
  for (const rt::InputEvent& e : Collect(500)) {
    if (e.type == Type::MessageBoxDismissed && !answered) {
      answered = true;
      platform_.CloseMessageBox();
    }
    events.push_back(e);
  }
  EXPECT_TRUE(answered);
  for (const rt::InputEvent& e : events) EXPECT_NE(e.keyCode, rt::kKeyEscape);

  server_->Run("xdotool key m");
  EXPECT_TRUE(WaitFor([](const rt::InputEvent& e) { return e.type == Type::KeyUp && e.keyCode == 'M'; }))
      << "the keyboard is back with the main window";
}

TEST_F(SdlPlatformTest, EachBoxInTurnTakesItsOwnSizeInTheMiddleOfTheScreen) {
  ShowForm();
  const rt::Colour face = rt::SystemColour(15);
  platform_.OpenMessageBox({"A prompt long enough to make this box much wider than the next one, which is short.",
                            rt::MessageBoxStyle::Information, "Wide"});
  Collect(200);
  const Extent wide = ExtentOf(face);
  AnswerBoxWithEnter();
  EXPECT_EQ(ExtentOf(face).right, -1) << "the answered box is gone";

  platform_.OpenMessageBox({"Short.", rt::MessageBoxStyle::Stop, "Narrow"});
  Collect(200);
  const Extent narrow = ExtentOf(face);
  EXPECT_LT(narrow.right - narrow.left + 100, wide.right - wide.left);
  for (const Extent& box : {wide, narrow}) {
    EXPECT_NEAR((box.left + box.right) / 2.0, 399.5, 1.5);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, 299.5, 1.5);
  }
  AnswerBoxWithEnter();
}

TEST_F(SdlPlatformTest, WindowIconOffersEverySizeInStraightAlpha) {
  // Opaque red, half-transparent blue (premultiplied), transparent, opaque green; then one blue pixel.
  form_.SetIcon({std::make_shared<rt::Picture>(2, 2, rt::Picture::Pixels32{0xFFFF0000, 0x80000080, 0, 0xFF00FF00}),
                 std::make_shared<rt::Picture>(1, 1, rt::Picture::Pixels32{0xFF0000FF})});
  ShowForm();
  const std::vector<unsigned long> expected{2, 2, 0xFFFF0000, 0x800000FF, 0, 0xFF00FF00, 1, 1, 0xFF0000FF};
  EXPECT_EQ(server_->WindowCardinals("_NET_WM_ICON"), expected);
}

TEST_F(SdlPlatformTest, WaitInputSleepsUntilItsDeadline) {
  ShowForm();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(platform_.WaitInput(platform_.Now() + rt::Milliseconds(100)));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 100ms);
  EXPECT_LT(waited, 2s);
}

// While a game runs the window makes way, the windows come since its start
// are seen, and the timers wait for the once-a-second wake-up; a key still
// held from the game when the window comes back counts only from its next
// press.
TEST_F(SdlPlatformTest, WhileAGameRunsTheWindowMakesWayNewWindowsAreSeenAndAKeyHeldFromItWaitsForItsRelease) {
  ShowForm();
  platform_.HandOver(getsid(0));
  Collect(200);
  EXPECT_EQ(ScreenAt(400, 300), (rt::Rgb{0, 0, 0})) << "the window still shows";
  EXPECT_FALSE(platform_.NewWindowsShown()) << "the menu's own windows";
  SDL_Window* launched = SDL_CreateWindow("Launched", 10, 10, 100, 100, SDL_WINDOW_SHOWN);
  Collect(200);
  EXPECT_TRUE(platform_.NewWindowsShown()) << "a window come since the game's start";
  SDL_DestroyWindow(launched);
  Collect(200);
  EXPECT_FALSE(platform_.NewWindowsShown()) << "the window gone again";
  EXPECT_FALSE(platform_.WaitInput(platform_.Now() + rt::Milliseconds(50)));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(platform_.WaitInput(platform_.Now() + rt::Milliseconds(50)));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 950ms) << "a timer 50 ms away woke the program";

  std::vector<int> keys;
  const auto collectKeys = [&](int ms) {
    for (const rt::InputEvent& e : Collect(ms))
      if (e.type == Type::KeyDown || e.type == Type::KeyUp) keys.push_back(e.keyCode);
  };
  server_->Run("xdotool keydown a");
  platform_.TakeBack();
  collectKeys(500);
  EXPECT_EQ(ScreenAt(400, 300), (rt::Rgb{0, 255, 0})) << "the window is not back";
  server_->Run("xdotool keydown a");  // as the server repeats a key held
  collectKeys(300);
  server_->Run("xdotool keyup a key m");
  collectKeys(500);
  EXPECT_EQ(keys, (std::vector<int>{'M', 'M'}));
}

// A small picture swinging to and fro goes to the window piece by piece, the
// second swing from the copies the server kept of the first one's pieces.
TEST_F(SdlPlatformTest, APictureSwingingToAndFroIsShownWhereItIsOnEverySwing) {
  auto& sticker = form_.Add<rt::Image>("Sticker", rt::Rect{1500, 1500, 180, 180},
                                       std::make_shared<rt::Picture>(12, 12, rt::Picture::Pixels32(144, 0xFFFF0000)));
  const auto frame = [&] {
    form_.CollectDamage();
    platform_.Present(form_, {});
    form_.Painted();
  };
  frame();
  int tick = 0;
  const auto swingOn = [&](int steps) {
    for (int end = tick + steps; tick < end; ++tick) {
      sticker.SetLeft(sticker.Left() + (tick % 12 < 6 ? 30 : -30));
      frame();
    }
    Collect(50);
    return ExtentOf(0x000000FF);
  };
  const auto at = [](int left) { return std::tuple{left, 100, left + 11, 111}; };
  const auto where = [](const Extent& extent) { return std::tuple{extent.left, extent.top, extent.right, extent.bottom}; };
  EXPECT_EQ(where(swingOn(4)), at(108)) << "first swing, pieces sent";
  swingOn(8);
  EXPECT_EQ(where(swingOn(4)), at(108)) << "second swing, pieces copied";
  EXPECT_EQ(where(swingOn(8)), at(100));
}

// The black second is the one long wait before the warning's pulse: every job
// the first frame put off must fit into it, not one job per wait.
TEST_F(SdlPlatformTest, IdleJobsWaitForTheFirstFrameThenAllRunInOneLongWait) {
  std::vector<int> ran;
  platform_.WhenIdle([&] { ran.push_back(1); });
  platform_.WhenIdle([&] { ran.push_back(2); });
  EXPECT_FALSE(platform_.WaitInput(platform_.Now() + rt::Milliseconds(150)));
  EXPECT_TRUE(ran.empty()) << "ran before the first frame";
  platform_.Present(form_, {});
  Collect(50);  // the window's own events, with too little room for a job
  EXPECT_TRUE(ran.empty()) << "ran in a short wait";
  platform_.WaitInput(platform_.Now() + rt::Milliseconds(500));
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace quil::test
