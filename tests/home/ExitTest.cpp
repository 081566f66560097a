#include "HomeFixture.h"

namespace quil::test {
namespace {

class ExitButton : public HomeFixture {};

TEST_F(ExitButton, ClickPlaysTheClickSoundAndEndsAtOnce) {
  MenuAtRest();
  const std::size_t commandsBefore = media.Commands().size();
  driver.Click("ImageExit");
  EXPECT_TRUE(app.Ended());
  EXPECT_EQ(media.Effects().back(), Path("/Sfx/A_click.wav"));
  driver.Advance(5000);
  driver.MoveOver("Shape1Image");
  EXPECT_EQ(media.Commands().size(), commandsBefore) << "nothing runs after the end";
}

TEST_F(ExitButton, EndsTheIntroClickSoundAndTheMusicTimerAlike) {
  Reveal();
  driver.Click("ImageExit");
  driver.Advance(3000);
  EXPECT_TRUE(media.Commands().empty()) << "the pending menu music never starts";
}

TEST_F(ExitButton, HoverSoundPlaysOncePerVisitFromTheBar) {
  MenuAtRest();
  MoveOverBackground();
  driver.MoveOver("ImageExit");
  driver.MoveOver("ImageExit");
  EXPECT_EQ(HoverSounds(), 1);
  MoveOverGreyBar();
  driver.MoveOver("ImageExit");
  EXPECT_EQ(HoverSounds(), 2);
}

}  // namespace
}  // namespace quil::test
