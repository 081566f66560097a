#include "sdl/WorkArea.h"

#include <gtest/gtest.h>

namespace quil::test {
namespace {

using paint::PixelRect;
using sdl::FrameExtents;
using sdl::KeptInside;

constexpr FrameExtents kTitleBar{1, 22, 1, 5};

// The whole window on a 1080p desktop, with and without a window manager,
// is judged by the window-placement scenario; here a monitor not at the origin.
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

}  // namespace
}  // namespace quil::test
