#include <gtest/gtest.h>

#include <string>

#include "DesktopPixels.h"
#include "PlatformEvents.h"
#include "XvfbServer.h"
#include "paint/MessageBoxPainter.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "sdl/SdlPlatform.h"

namespace quil::test {

namespace {

using Type = rt::InputEvent::Type;

constexpr int kDesktopWidth = 2000;

class GreenForm : public rt::Form {
 public:
  explicit GreenForm(rt::Application& app) : Form(app, "GreenForm") { SetBackColor(0x0000FF00); }
};

// The screen at its own size in a window in the middle of a 2000 x 1400
// desktop without a window manager, at (600, 400).
class ScaledMessageBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new XvfbServer("2000x1400"); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    platform_.Present(form_, {});
    CollectEvents(platform_, 300);
  }

  // The box as a person sees it: where its face colour lies on the desktop.
  Extent Box() {
    CollectEvents(platform_, 300);
    return ExtentOf(server_->Capture(), kDesktopWidth, rt::ToRgb(rt::SystemColour(15)));
  }

  bool Answered() {
    const bool answered = WaitForEvent(platform_, [](const rt::InputEvent& e) {
                            return e.type == Type::MessageBoxDismissed;
                          }).has_value();
    if (answered) platform_.CloseMessageBox();
    return answered;
  }

  static XvfbServer* server_;
  sdl::SdlPlatform platform_{sdl::WindowOptions{.scaled = true, .scale = 1}};
  rt::Application app_{platform_};
  GreenForm form_{app_};
};

XvfbServer* ScaledMessageBoxTest::server_ = nullptr;

TEST_F(ScaledMessageBoxTest, TheBoxTakesTheScreensScaleAndItsButtonAnswersWhereItIsShown) {
  const rt::MessageBoxRequest message{"Twice as large, and as sharp.", rt::MessageBoxStyle::Information, "Scaled"};
  platform_.OpenMessageBox(message);
  const Extent single = Box();
  ASSERT_GT(single.Width(), 100);
  EXPECT_NEAR((single.left + single.right) / 2.0, 999.5, 1.5) << "in the middle of the screen";
  EXPECT_NEAR((single.top + single.bottom) / 2.0, 699.5, 1.5);

  // Twice the screen's size, its middle no longer the desktop's: the open box follows.
  server_->Run("xdotool search --name '^Quil OS$' windowmove 0 0 windowsize 1600 1200");
  const Extent followed = Box();
  EXPECT_EQ(followed.Width(), 2 * single.Width());
  EXPECT_EQ(followed.Height(), 2 * single.Height());
  EXPECT_NEAR((followed.left + followed.right) / 2.0, 799.5, 1.5) << "in the middle of the screen";
  EXPECT_NEAR((followed.top + followed.bottom) / 2.0, 599.5, 1.5);
  server_->Run("xdotool key Return");
  ASSERT_TRUE(Answered());

  platform_.OpenMessageBox(message);
  const Extent twice = Box();
  EXPECT_EQ(twice.Width(), 2 * single.Width()) << "a box opened at the new scale";
  EXPECT_EQ(twice.Height(), 2 * single.Height());
  // Clicked in the middle of its button as shown, twice its own place in the box.
  paint::TextPainter text;
  const paint::PixelRect ok = paint::MessageBoxPainter(text, message).OkButton();
  server_->Run("xdotool mousemove " + std::to_string(twice.left + 2 * ok.x + ok.width) + " " +
               std::to_string(twice.top + 2 * ok.y + ok.height) + " click 1");
  EXPECT_TRUE(Answered());
}

}  // namespace
}  // namespace quil::test
