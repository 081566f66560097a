#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <utility>

#include "PlatformEvents.h"
#include "XvfbServer.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "sdl/SdlPlatform.h"

namespace quil::test {
namespace {

using Type = rt::InputEvent::Type;

constexpr int kDesktopWidth = 1600;
constexpr rt::Rgb kGreen{0, 255, 0};
constexpr rt::Rgb kRed{255, 0, 0};
constexpr rt::Rgb kBlack{0, 0, 0};

// Green, with a red patch from screen pixel (100, 100) to (199, 149).
class PatchForm : public rt::Form {
 public:
  explicit PatchForm(rt::Application& app) : Form(app, "PatchForm") {
    SetBackColor(0x0000FF00);
    Add<rt::Image>("Patch", rt::Rect{1500, 1500, 1500, 750},
                   std::make_shared<rt::Picture>(1, 1, rt::Picture::Pixels32{0xFFFF0000}), true);
  }
};

// The scaled window on a 1600 x 1000 desktop without a window manager: the
// largest comfortable quarter step is 1.5, a window of 1200 x 900 at (200, 50).
class ScaledWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new XvfbServer("1600x1000"); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    platform_.Present(form_, {});
    Collect(300);
  }

  std::vector<rt::InputEvent> Collect(int ms) { return CollectEvents(platform_, ms); }

  std::optional<rt::InputEvent> WaitFor(const std::function<bool(const rt::InputEvent&)>& wanted) {
    return WaitForEvent(platform_, wanted);
  }

  // The desktop's colour at each point.
  std::vector<rt::Rgb> DesktopAt(std::initializer_list<std::pair<int, int>> points) {
    const std::string rgb = server_->Capture();
    std::vector<rt::Rgb> colours;
    for (const auto& [x, y] : points) {
      const std::size_t at = (static_cast<std::size_t>(y) * kDesktopWidth + x) * 3;
      if (rgb.size() < at + 3) return {};
      colours.push_back({static_cast<std::uint8_t>(rgb[at]), static_cast<std::uint8_t>(rgb[at + 1]),
                         static_cast<std::uint8_t>(rgb[at + 2])});
    }
    return colours;
  }

  std::pair<int, int> PointerOnDesktop() const {
    std::pair<int, int> at{-1, -1};
    const std::string where = server_->Output("xdotool getmouselocation");
    std::sscanf(where.c_str(), "x:%d y:%d", &at.first, &at.second);
    return at;
  }

  static XvfbServer* server_;
  sdl::SdlPlatform platform_{sdl::WindowOptions{.scaled = true}};
  rt::Application app_{platform_};
  PatchForm form_{app_};
};

XvfbServer* ScaledWindowTest::server_ = nullptr;

TEST_F(ScaledWindowTest, TheScreenIsDrawnLargerAndThePointerMapsBackToItsPixels) {
  EXPECT_EQ(platform_.Screen().widthTwips, 12000) << "the forms still see an 800 x 600 screen";
  EXPECT_EQ(platform_.Screen().heightTwips, 9000);
  // The patch, 1.5 times its size and place, inside the window at (200, 50).
  EXPECT_EQ(DesktopAt({{349, 199}, {350, 200}, {499, 274}, {500, 275}, {199, 500}, {1399, 949}, {1400, 950}}),
            (std::vector<rt::Rgb>{kGreen, kRed, kRed, kGreen, kBlack, kGreen, kBlack}));

  server_->Run("xdotool mousemove 500 200");
  const auto moved = WaitFor([](const rt::InputEvent& e) { return e.type == Type::PointerMove; });
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->x, 200);
  EXPECT_EQ(moved->y, 100);
}

TEST_F(ScaledWindowTest, ANarrowerWindowKeepsTheShapeBetweenBarsThatAreNoPartOfTheScreen) {
  server_->Run("xdotool search --name '^Quil OS$' windowsize 1200 700");
  Collect(300);
  // 700 / 600 of the screen's size: 933 wide, 133 pixels of bar on each side.
  EXPECT_EQ(DesktopAt({{200 + 132, 400}, {200 + 133, 400}, {200 + 1065, 400}, {200 + 1066, 400}}),
            (std::vector<rt::Rgb>{kBlack, kGreen, kGreen, kBlack}));

  server_->Run("xdotool mousemove 250 400");
  for (const rt::InputEvent& e : Collect(300)) EXPECT_NE(e.type, Type::PointerMove) << "a move in the bar";
  server_->Run("xdotool click 1");
  for (const rt::InputEvent& e : Collect(300)) EXPECT_NE(e.type, Type::PointerDown) << "a press in the bar";
  server_->Run("xdotool mousemove 1265 749");
  const auto moved = WaitFor([](const rt::InputEvent& e) { return e.type == Type::PointerMove; });
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->x, 799) << "the screen's last pixel at the window's last column before the bar";
  EXPECT_EQ(moved->y, 599);
}

// The pointer stays on its point of the screen both ways, at screen pixel
// (67, 100): the form sees no move to anywhere else.
TEST_F(ScaledWindowTest, F11FillsTheDesktopWithBarsAndF11AgainGivesTheWindowBackThePointerKeptInPlace) {
  server_->Run("xdotool mousemove 300 200");
  ASSERT_TRUE(WaitFor([](const rt::InputEvent& e) { return e.type == Type::PointerMove; }));
  server_->Run("xdotool key F11");
  std::vector<rt::InputEvent> events = Collect(500);
  // 1000 / 600 of the screen's size: 1333 wide, 133 pixels of bar on each side.
  EXPECT_EQ(DesktopAt({{132, 500}, {133, 500}, {800, 2}, {1465, 500}, {1466, 500}}),
            (std::vector<rt::Rgb>{kBlack, kGreen, kGreen, kGreen, kBlack}));
  EXPECT_EQ(PointerOnDesktop(), (std::pair{245, 167}));

  server_->Run("xdotool key F11");
  const std::vector<rt::InputEvent> more = Collect(500);
  events.insert(events.end(), more.begin(), more.end());
  EXPECT_EQ(DesktopAt({{199, 500}, {200, 50}, {1399, 949}, {1400, 949}}),
            (std::vector<rt::Rgb>{kBlack, kGreen, kGreen, kBlack}));
  EXPECT_EQ(PointerOnDesktop(), (std::pair{301, 200}));
  for (const rt::InputEvent& e : events) {
    EXPECT_NE(e.keyCode, 122) << "F11 reached the form";
    if (e.type == Type::PointerMove) {
      EXPECT_EQ(std::pair(e.x, e.y), (std::pair{67.0, 100.0})) << "a move elsewhere";
    }
  }
}

}  // namespace
}  // namespace quil::test
