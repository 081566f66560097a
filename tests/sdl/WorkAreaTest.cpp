#include "sdl/WorkArea.h"

#include <gtest/gtest.h>

#include "sdl/Letterbox.h"

namespace quil::test {
namespace {

using paint::PixelRect;
using sdl::FrameExtents;
using sdl::KeptInside;

constexpr PixelRect kFullHd{0, 0, 1920, 1080};
constexpr FrameExtents kTitleBar{1, 22, 1, 5};

TEST(WorkAreaTest, AWindowThatFitsStaysWhereItIs) {
  EXPECT_EQ(KeptInside({300, 100, 1200, 900}, kFullHd, kTitleBar), (PixelRect{300, 100, 1200, 900}));
}

// The window asked for at twice the screen's size on a 1080p desktop: 1600 x
// 1200 centred would put its top 60 pixels, title bar and all, above the screen.
TEST(WorkAreaTest, AWindowTooLargeIsShrunkAndMovedSoItsTitleBarIsOnScreen) {
  EXPECT_EQ(KeptInside({160, -60, 1600, 1200}, kFullHd, kTitleBar), (PixelRect{160, 22, 1600, 1053}));
  EXPECT_EQ(KeptInside({160, -60, 1600, 1200}, kFullHd, {}), (PixelRect{160, 0, 1600, 1080})) << "no frame";
}

TEST(WorkAreaTest, AWindowPastAnEdgeComesBackOnTheWorkAreaOfItsMonitor) {
  const PixelRect right{1920, 0, 1280, 1024};
  EXPECT_EQ(KeptInside({3000, 900, 800, 600}, right, kTitleBar), (PixelRect{2399, 419, 800, 600}));
  EXPECT_EQ(KeptInside({1000, 10, 800, 600}, right, kTitleBar), (PixelRect{1921, 22, 800, 600}));
}

TEST(WorkAreaTest, TheWindowOpensOnTheMonitorUnderThePointerOrElseTheFirst) {
  const PixelRect monitors[] = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  EXPECT_EQ(sdl::MonitorAt(2000, 500, monitors), 1);
  EXPECT_EQ(sdl::MonitorAt(1919, 1079, monitors), 0);
  EXPECT_EQ(sdl::MonitorAt(2000, 1050, monitors), 0) << "below the smaller monitor, on none";
}

TEST(WorkAreaTest, AScaleThatDoesNotFitFallsBackToTheLargestQuarterStepThatDoes) {
  EXPECT_EQ(sdl::LargestScaleWithin(1916, 1050), 1.75);
  EXPECT_EQ(sdl::LargestScaleWithin(1600, 1200), 2);
  EXPECT_EQ(sdl::LargestScaleWithin(100, 100), 0);
}

}  // namespace
}  // namespace quil::test
