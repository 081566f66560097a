#include "HomeFixture.h"

namespace quil::test {
namespace {

class Intro : public HomeFixture {
 protected:
  // Which store's picture the warning shows now.
  std::string WarningFrame() {
    auto& menu = Menu();
    const auto& shown = menu.Get<rt::Image>("Image1").Picture();
    for (const char* store : {"Image2", "Image6", "Image3"})
      if (menu.Get<rt::Image>(store).Picture() == shown) return store;
    return shown == menu.Get<rt::Image>("Image4").Picture() ? "Image4" : "?";
  }
};

TEST_F(Intro, BlackForASecondThenTheWarningWhosePromptPulsesInEightTicks) {
  auto& menu = Start();
  driver.Advance(999);
  EXPECT_FALSE(menu.Get<rt::Image>("Image1").Visible());
  driver.Advance(1);
  EXPECT_TRUE(menu.Get<rt::Image>("Image1").Visible());
  EXPECT_TRUE(menu.IntroPart().WarningShown());
  EXPECT_EQ(WarningFrame(), "Image4");
  driver.Advance(119);
  EXPECT_EQ(WarningFrame(), "Image4");

  std::vector<std::string> pulse;
  for (int tick = 0; tick < 10; ++tick) {
    driver.Advance(tick == 0 ? 1 : 120);
    pulse.push_back(WarningFrame());
  }
  EXPECT_EQ(pulse, (std::vector<std::string>{"Image2", "Image6", "Image3", "Image3", "Image6", "Image2", "Image4",
                                              "Image4", "Image2", "Image6"}));
  EXPECT_FALSE(menu.RevealPart().MenuShown()) << "without a click the prompt pulses on";
}

TEST_F(Intro, AClickDuringTheFirstSecondDoesNothing) {
  auto& menu = Start();
  driver.Advance(500);
  driver.ClickAt(6000, 4500);
  EXPECT_TRUE(media.Effects().empty());
  EXPECT_EQ(menu.BackColor(), 0x00000000u);
  driver.Advance(500);
  EXPECT_TRUE(menu.Get<rt::Image>("Image1").Visible());
  EXPECT_FALSE(menu.RevealPart().MenuShown());
}

TEST_F(Intro, TheClickEndsThePulseAtAnyStep) {
  auto& menu = Reveal(1000 + 120 * 3 + 50);
  EXPECT_FALSE(menu.Get<rt::Image>("Image1").Visible());
  EXPECT_FALSE(menu.TimerNamed("TimerIntro").Enabled());
  const auto shown = menu.Get<rt::Image>("Image1").Picture();
  driver.Advance(1000);
  EXPECT_EQ(menu.Get<rt::Image>("Image1").Picture(), shown);
}

TEST_F(Intro, AClickOnTheBackgroundAlsoEndsIt) {
  auto& menu = Start();
  driver.Advance(1200);
  driver.ClickAt(300, 300);
  EXPECT_TRUE(menu.RevealPart().MenuShown());
}

TEST_F(Intro, TheClickSoundsAtOnceTheJingleHalfASecondLaterThenTheMenuMusic) {
  Reveal(1500);
  EXPECT_EQ(media.Effects(), (std::vector<std::string>{Path("/Sfx/A_click.wav")}));
  driver.Advance(499);
  EXPECT_EQ(media.Effects().size(), 1u);
  driver.Advance(1);
  EXPECT_EQ(media.Effects().back(), Path("/Sfx/startup2.wav"));

  driver.Advance(999);
  EXPECT_TRUE(media.Commands().empty());
  driver.Advance(1);
  EXPECT_EQ(media.Commands(),
            (std::vector<std::string>{"stop MP3Play", "close MP3Play", "open " + Path("/Music/Menu.mp3") + " MP3Play",
                                      "play MP3Play"}));
  EXPECT_EQ(Menu().Music().CurrentTrack(), Path("/Music/Menu.mp3"));
}

TEST_F(Intro, TheHoldOffRunsForTwoAndAHalfSecondsAfterTheClick) {
  auto& menu = Reveal(1500);
  driver.Advance(500);
  EXPECT_FALSE(menu.TimerNamed("Timer2").Enabled());
  EXPECT_TRUE(menu.TimerNamed("Timer3").Enabled());
  driver.Advance(1999);
  EXPECT_TRUE(menu.TimerNamed("Timer3").Enabled());
  driver.Advance(1);
  EXPECT_FALSE(menu.TimerNamed("Timer3").Enabled());
  driver.Advance(10000);
  for (const char* timer : {"Timer1", "TimerIntro", "Timer2", "Timer3"})
    EXPECT_FALSE(menu.TimerNamed(timer).Enabled()) << timer << " runs once a run";
}

}  // namespace
}  // namespace quil::test
