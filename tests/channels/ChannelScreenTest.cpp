#include <gtest/gtest.h>

#include "ChannelFixture.h"
#include "pictures/Pictures.h"
#include "channels/ChannelDesign.h"
#include "runtime/Image.h"
#include "runtime/Label.h"

namespace quil::test {
namespace {

constexpr std::string_view kStartSound = "/Sfx/start.wav";
constexpr std::string_view kQuilMenuSound = "/Sfx/quil_menu_button.wav";

class ChannelScreen : public ChannelFixture {
 protected:
  // The parts of the two button pictures that their captions do not cover.
  void OverQuilMenuPicture() { driver.MoveTo(2250, 7250); }
  void OverStartPicture() { driver.MoveTo(6300, 7250); }
  bool PointerIsHand() { return platform.Pointer() == pictures::Picture("PointerHand"); }
  bool PointerIsBlank() { return platform.Pointer() && platform.Pointer()->FullyTransparent(); }
  bool PageShown(const channels::ChannelScreen& screen) {
    for (const rt::Control* control : screen.Page())
      if (!control->Visible()) return false;
    return true;
  }
  bool AllHidden(const channels::ChannelScreen& screen) {
    for (const auto& control : screen.Controls())
      if (control->Visible()) return false;
    return true;
  }
};

TEST_F(ChannelScreen, HoverSoundIsHeldBackThenPlaysOncePerCrossingOfTheBackground) {
  auto& screen = Open("FormSkyhopWorld");
  OverStartPicture();
  driver.Advance(1900);
  MoveOverPage();
  EXPECT_TRUE(screen.HoverHeldBack()) << "the background only holds the sound back while Timer2 runs";
  OverQuilMenuPicture();
  EXPECT_EQ(HoverSounds(), 0);

  driver.Advance(100);  // the hold-off is over
  OverStartPicture();
  EXPECT_EQ(HoverSounds(), 0) << "the pointer has not crossed the background since";
  MoveOverPage();
  OverStartPicture();
  OverQuilMenuPicture();
  EXPECT_EQ(HoverSounds(), 1) << "straight from one button to the other sounds once";

  MoveOverPage();
  driver.MoveOver("Label5");
  driver.MoveOver("Label1");
  EXPECT_EQ(HoverSounds(), 1) << "captions and the title are silent";
  EXPECT_FALSE(screen.HoverHeldBack());
  OverQuilMenuPicture();
  EXPECT_EQ(HoverSounds(), 2);
}

TEST_F(ChannelScreen, StartBlanksThePageThenThePointerAndAMoveAfterTheLockOutRestoresBoth) {
  auto& screen = Open("FormBlitz");  // a MERIDIAN screen, whose page includes Shape4
  driver.Advance(2500);
  driver.Click("Label6");
  EXPECT_EQ(Effects(kStartSound), 1);
  EXPECT_TRUE(AllHidden(screen));
  EXPECT_TRUE(PointerIsHand());
  driver.Advance(499);
  EXPECT_TRUE(PointerIsHand());
  driver.Advance(1);
  EXPECT_TRUE(PointerIsBlank());

  driver.Advance(999);  // 1499 ms after "Start"
  MoveOverPage();
  EXPECT_TRUE(AllHidden(screen)) << "locked out";
  driver.Advance(1);
  const int presents = platform.Presents();
  MoveOverPage();
  EXPECT_TRUE(PageShown(screen));
  EXPECT_TRUE(Shown("Label1") && Shown("Image3") && Shown("Shape4"));
  EXPECT_FALSE(Shown("Image5") || Shown("Image6"));
  EXPECT_TRUE(PointerIsHand());
  EXPECT_EQ(platform.Presents(), presents + 1) << "the page comes back in one frame";

  MoveOverPage();
  EXPECT_TRUE(PageShown(screen)) << "in the normal state the background shows and hides nothing";
}

// An early "Start": Timer1's reveal falls into the blank screen, and the
// lock-out ends before the hover hold-off does, so the page waits for both.
TEST_F(ChannelScreen, AnEarlyStartKeepsTheScreenBlackUntilBothTimersHaveRun) {
  auto& screen = Open("FormSkyhopWorld");
  driver.Advance(50);
  driver.Click("Label6");
  driver.Advance(100);
  EXPECT_FALSE(screen.TimerNamed("Timer1").Enabled());
  EXPECT_TRUE(AllHidden(screen)) << "no title or screenshot over the blank screen";
  driver.Advance(1550);  // the lock-out is over, the hold-off is not
  MoveOverPage();
  EXPECT_TRUE(AllHidden(screen));
  EXPECT_TRUE(screen.HoverHeldBack());
  driver.Advance(300);
  MoveOverPage();
  EXPECT_TRUE(PageShown(screen));
  EXPECT_TRUE(Shown("Label1") && Shown("Image3"));
}

TEST_F(ChannelScreen, QuilMenuGoesBackToTheMenuWhoseMusicReturns1500msLater) {
  auto& menu = MenuAtRest();
  Open("FormSkyhopWorld");
  EXPECT_EQ(media.SoundingTrack(), "") << "the game tile stopped the music";
  driver.Advance(500);
  driver.Click("Label5");
  EXPECT_EQ(Effects(kQuilMenuSound), 1);
  EXPECT_EQ(app.Front(), &menu);
  EXPECT_FALSE(app.IsCreated("FormSkyhopWorld"));
  EXPECT_EQ(platform.LastPresented(), &menu);
  EXPECT_EQ(platform.Pointer(), menu.MouseIcon());
  driver.Advance(1499);
  EXPECT_EQ(media.SoundingTrack(), "");
  driver.Advance(1);
  EXPECT_EQ(media.SoundingTrack(), Path("/Music/Menu.mp3"));
}

TEST_F(ChannelScreen, CaptionsAndButtonPicturesActAlikeOnAClick) {
  auto& screen = Open("FormSkyhop");
  driver.Advance(2000);
  driver.ClickAt(6300, 7250);  // the Start picture
  EXPECT_TRUE(AllHidden(screen));
  driver.Advance(1500);
  MoveOverPage();
  driver.Click("Label6");
  EXPECT_TRUE(AllHidden(screen));
  EXPECT_EQ(Effects(kStartSound), 2);

  driver.Advance(1500);
  MoveOverPage();
  driver.ClickAt(2250, 7250);  // the Quil Menu picture
  EXPECT_EQ(app.Front(), &Menu());
  Open("FormSkyhop");
  driver.Click("Label5");
  EXPECT_EQ(app.Front(), &Menu());
  EXPECT_EQ(Effects(kQuilMenuSound), 2);
}

TEST_F(ChannelScreen, EachVisitOpensFromTheDesignStateWithTheTitleAndScreenshot100msLater) {
  for (int visit = 1; visit <= 2; ++visit) {
    auto& screen = Open("FormFrogFist");
    EXPECT_EQ(screen.Get<rt::Label>("Label2").Left(), 5400);
    EXPECT_TRUE(screen.HoverHeldBack());
    EXPECT_TRUE(screen.TimerNamed("Timer2").Enabled());
    EXPECT_TRUE(Shown("Image4") && Shown("Label2") && Shown("Image1") && Shown("Label6"));
    EXPECT_FALSE(Shown("Label1") || Shown("Image3"));
    EXPECT_TRUE(PointerIsHand());
    driver.Advance(99);
    EXPECT_FALSE(Shown("Label1"));
    driver.Advance(1);
    EXPECT_TRUE(PageShown(screen));
    EXPECT_EQ(screen.Get<rt::Label>("Label1").Caption(), "Frog Fist & Twin Tiger");

    // Leave the screen changed: the next visit must not see it.
    driver.Advance(2000);
    MoveOverPage();
    screen.Get<rt::Label>("Label2").SetLeft(0);
    driver.Click("Label5");
  }
}

}  // namespace
}  // namespace quil::test
