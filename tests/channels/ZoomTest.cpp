#include <gtest/gtest.h>

#include "ChannelFixture.h"
#include "runtime/Label.h"

namespace quil::test {
namespace {

class Zoom : public ChannelFixture {
 protected:
  rt::PictureBox& Box() { return Menu().Get<rt::PictureBox>("Picture1"); }
  void ExpectBox(double left, double top, double size) {
    EXPECT_EQ(Box().Left(), left);
    EXPECT_EQ(Box().Top(), top);
    EXPECT_EQ(Box().Width(), size);
    EXPECT_EQ(Box().Height(), size);
  }
};

TEST_F(Zoom, TheBoxGrowsAroundTheMiddleAndOpensTheScreenOnTick14ThenOnTick13) {
  auto& menu = MenuAtRest();
  ClickTile(11);  // code 3
  for (int tick = 1; tick <= 13; ++tick) {
    app.RunFor(rt::kTimerResolution);
    ASSERT_EQ(app.Front(), &menu) << "tick " << tick;
    EXPECT_TRUE(Box().Visible());
    EXPECT_EQ(Box().Width(), 255 + 1000 * tick);
    EXPECT_EQ(Box().Height(), Box().Width());
    EXPECT_EQ(Box().Left() + Box().Width() / 2, 6007.5);
    EXPECT_EQ(Box().Top() + Box().Height() / 2, 4567.5);
  }
  const rt::Rect covering = Box().Bounds();
  EXPECT_TRUE(covering.left <= 0 && covering.top <= 0 && covering.Right() >= 12000 && covering.Bottom() >= 9000);

  const int presents = platform.Presents();
  app.RunFor(rt::kTimerResolution);
  ASSERT_EQ(app.Front()->Name(), "FormSkyhopWorld");
  EXPECT_EQ(platform.Presents(), presents + 1) << "from the last zoom frame straight to the screen";
  EXPECT_EQ(platform.LastPresented(), app.Front());
  EXPECT_FALSE(Box().Visible());
  ExpectBox(5380, 3940, 1255);
  EXPECT_FALSE(menu.TimerNamed("TimerZoom").Enabled());

  driver.Click("Label5");
  ClickTile(11);
  ExpectBox(5380, 3940, 1255);
  EXPECT_EQ(ZoomTicks(), 13) << "a later zoom starts one step on";
  EXPECT_EQ(app.Front()->Name(), "FormSkyhopWorld");
}

TEST_F(Zoom, AScreenCodeChangedMidZoomOpensTheLaterScreenOnTime) {
  MenuAtRest();
  ClickTile(11);
  for (int tick = 1; tick <= 5; ++tick) app.RunFor(rt::kTimerResolution);
  ClickTile(21);  // code 16; the box keeps growing from where it is
  EXPECT_EQ(Box().Width(), 5255);
  EXPECT_EQ(ZoomTicks(), 9);
  EXPECT_EQ(app.Front()->Name(), "FormInkRealm");
}

// The click stores a screen code and the zoom's end opens the screen of that
// code: every game tile must end on its own game's screen, its title shown.
TEST_F(Zoom, EveryGameTileOpensTheScreenThatShowsItsGamesTitle) {
  auto& menu = MenuAtRest();
  for (const catalogue::Game& game : catalogue::kGames) {
    ClickTile(game.tile);
    ASSERT_NE(ZoomTicks(), 0) << "tile " << game.tile;
    driver.Advance(100);
    const auto& title = app.Front()->Get<rt::Label>("Label1");
    EXPECT_EQ(title.Caption(), game.title) << "tile " << game.tile;
    EXPECT_TRUE(title.Visible()) << "tile " << game.tile;
    driver.Click("Label5");
    ASSERT_EQ(app.Front(), &menu);
  }
}

}  // namespace
}  // namespace quil::test
