#include "HomeFixture.h"
#include "home/MenuDesign.h"

namespace quil::test {
namespace {

struct Resolution {
  int width;
  int height;
  double twipsPerPixel;
  bool accepted;
};

class ResolutionCheck : public HomeFixture, public ::testing::WithParamInterface<Resolution> {};

TEST_P(ResolutionCheck, OnlyAnEightHundredBySixHundredScreenIsAccepted) {
  const Resolution screen = GetParam();
  platform.SetScreen(screen.width, screen.height, screen.twipsPerPixel);
  app.Start("Form1");
  if (screen.accepted) {
    EXPECT_TRUE(platform.MessageBoxes().empty());
    EXPECT_FALSE(app.Ended());
    EXPECT_EQ(app.Front(), &Menu());
    return;
  }
  ASSERT_EQ(platform.MessageBoxes().size(), 1u);
  EXPECT_EQ(platform.MessageBoxes()[0].prompt, "Switch your resolution to 800x600 before running this program.");
  EXPECT_EQ(platform.MessageBoxes()[0].title, "Sorry");
  EXPECT_EQ(platform.MessageBoxes()[0].style, rt::MessageBoxStyle::Information);
  EXPECT_TRUE(app.Ended());
  EXPECT_EQ(app.Front(), nullptr);
  EXPECT_EQ(platform.Presents(), 0) << "the home window is never shown";
  EXPECT_EQ(app.Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, ResolutionCheck,
                         ::testing::Values(Resolution{800, 600, 15, true}, Resolution{800, 600, 12, true},
                                           Resolution{1024, 768, 15, false}, Resolution{640, 480, 15, false},
                                           Resolution{600, 800, 15, false}));

class Load : public HomeFixture {};

TEST_F(Load, RecordsTheMeasuredResolution) {
  platform.SetScreen(1024, 768);
  app.Start("Form1");
  EXPECT_EQ(Menu().Get<rt::Label>("LabelRes").Caption(), " 1024 x 768");
  EXPECT_FALSE(Menu().Get<rt::Label>("LabelRes").Visible());
}

TEST_F(Load, LeavesABlackScreenWithoutPointerAndNothingOfTheMenuOnIt) {
  auto& menu = Start();
  EXPECT_EQ(menu.BackColor(), 0x00000000u);
  ASSERT_TRUE(platform.Pointer());
  EXPECT_TRUE(platform.Pointer()->FullyTransparent());
  const rt::Rect screen{0, 0, 12000, 9000};
  for (const auto& control : menu.Controls()) {
    const rt::Rect r = control->FormBounds();
    const bool onScreen = r.left < screen.Right() && r.Right() > 0 && r.top < screen.Bottom() && r.Bottom() > 0;
    EXPECT_FALSE(control->Shown() && onScreen) << control->Name() << " is on the start screen";
  }
  EXPECT_EQ(menu.Width(), 13100);
}

TEST_F(Load, SetsTheStartState) {
  auto& menu = Start();
  const auto& warning = menu.Get<rt::Image>("Image1");
  EXPECT_EQ(warning.Left(), 1200);
  EXPECT_EQ(warning.Top(), 720);
  EXPECT_EQ(menu.Get<rt::Image>("Image4").Picture(), warning.Picture());
  const auto& zoom = menu.Get<rt::PictureBox>("Picture1");
  EXPECT_EQ(zoom.Bounds().left, 5880);
  EXPECT_EQ(zoom.Bounds().top, 4440);
  EXPECT_EQ(zoom.Width(), 255);
  EXPECT_EQ(menu.PagesPart().Page(), 1);
  EXPECT_EQ(menu.ZoomPart().ScreenCode(), 1);
  EXPECT_EQ(menu.Music().TrackNumber(), 1);
  for (const auto& timer : menu.Timers()) EXPECT_EQ(timer->Enabled(), timer->Name() == "Timer1") << timer->Name();
}

TEST_F(Load, MovesTheFramesOfPagesThreeAndFourOntoThePageTwoColumns) {
  Start();
  for (int tile = 25; tile <= 48; ++tile) {
    const int column = (tile - 1) % 4, row = ((tile - 1) % 12) / 4;
    EXPECT_EQ(Frame(tile).Left(), 14280 + 2520 * column) << tile;
    EXPECT_EQ(Frame(tile).Top(), 840 + 1920 * row) << tile;
  }
  EXPECT_EQ(Frame(24).Left(), 21840);
  EXPECT_EQ(Menu().Get<rt::Image>("Shape25Image").Left(), 27600) << "the pictures keep their design places";
}

struct DateCase {
  rt::CalendarDate date;
  const char* caption;
};

class DateLabel : public HomeFixture, public ::testing::WithParamInterface<DateCase> {};

TEST_P(DateLabel, ReadsWeekdayMonthAndDayWithoutLeadingZeros) {
  platform.SetToday(GetParam().date);
  auto& menu = Start();
  EXPECT_EQ(menu.Get<rt::Label>("Label1").Caption(), GetParam().caption);
}

// Month/day/year texts of 8, 9 and 10 characters.
INSTANTIATE_TEST_SUITE_P(Dates, DateLabel,
                         ::testing::Values(DateCase{{2009, 1, 5, 2}, "Mon 1/5"}, DateCase{{2009, 1, 15, 5}, "Thu 1/15"},
                                           DateCase{{2008, 12, 5, 6}, "Fri 12/5"},
                                           DateCase{{2008, 12, 30, 3}, "Tue 12/30"},
                                           DateCase{{2027, 1, 2, 7}, "Sat 1/2"}));

TEST_F(DateLabel, KeepsTheDateOfTheStartPastMidnight) {
  platform.SetToday({2008, 12, 30, 3});
  auto& menu = Start();
  platform.SetToday({2008, 12, 31, 4});
  driver.Advance(1000);
  driver.Click("Image1");
  EXPECT_EQ(menu.Get<rt::Label>("Label1").Caption(), "Tue 12/30");
  EXPECT_TRUE(menu.Get<rt::Label>("Label1").Visible());
}

}  // namespace
}  // namespace quil::test
