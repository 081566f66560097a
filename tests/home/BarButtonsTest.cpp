#include "HomeFixture.h"

namespace quil::test {
namespace {

// Points on each button's ring: inside its hot spot, outside its face.
constexpr double kOptionsRing[] = {1000, 7700};
constexpr double kMailRing[] = {9700, 7700};

class BarButtons : public HomeFixture {};

TEST_F(BarButtons, FaceAndRingOfEachButtonGiveTheSameBoxAndSound) {
  auto& menu = MenuAtRest();  // the intro click holds the hover sound back
  ASSERT_EQ(menu.HitTest(kOptionsRing[0], kOptionsRing[1])->Name(), "ShapeQuilLabel");
  ASSERT_EQ(menu.HitTest(kMailRing[0], kMailRing[1])->Name(), "ShapeMailLabel");
  media.ClearLog();

  driver.Click("ImageLabelQuil");
  driver.ClickAt(kOptionsRing[0], kOptionsRing[1]);
  EXPECT_TRUE(media.Effects().empty()) << "the options button is silent";

  driver.Click("ImageMail");
  driver.ClickAt(kMailRing[0], kMailRing[1]);
  EXPECT_EQ(media.Effects(), std::vector<std::string>(2, Path("/Sfx/A_click.wav")));

  ASSERT_EQ(platform.MessageBoxes().size(), 4u);
  for (int i : {0, 1}) {
    const rt::MessageBoxRequest& box = platform.MessageBoxes()[i];
    EXPECT_EQ(box.prompt, "This isn't a real Quil, so there are no Quil Options.");
    EXPECT_EQ(box.title, "Quil Options");
    EXPECT_EQ(box.style, rt::MessageBoxStyle::Information);
  }
  for (int i : {2, 3}) {
    const rt::MessageBoxRequest& box = platform.MessageBoxes()[i];
    EXPECT_EQ(box.prompt, "lol, e-mail");
    EXPECT_EQ(box.title, "lol, e-mail");
    EXPECT_EQ(box.style, rt::MessageBoxStyle::Information);
  }
  EXPECT_TRUE(media.Commands().empty()) << "the music plays on";
}

TEST_F(BarButtons, TheClickSoundStartsBeforeTheMessageBoardBox) {
  MenuAtRest();
  std::string before = "none";
  platform.OnMessageBoxOpen([&] {
    if (!media.Effects().empty()) before = media.Effects().back();
  });
  driver.Click("ImageMail");
  EXPECT_EQ(before, Path("/Sfx/A_click.wav"));
}

TEST_F(BarButtons, OnlyTheRingPlaysTheHoverSoundAndTheFaceReArmsNothing) {
  auto& menu = MenuAtRest();
  for (const char* face : {"ImageLabelQuil", "ImageMail"}) {
    MoveOverGreyBar();
    driver.MoveOver(face);
    EXPECT_EQ(HoverSounds(), 0) << face;
  }
  driver.MoveOver("ImageExit");
  driver.MoveOver("ImageLabelQuil");
  EXPECT_TRUE(menu.Hover().HeldBack()) << "a face is no reset surface";
  const int before = HoverSounds();

  for (const double* ring : {kOptionsRing, kMailRing}) {
    MoveOverGreyBar();
    driver.MoveTo(ring[0], ring[1]);
    driver.MoveTo(ring[0] + 30, ring[1] + 30);
  }
  EXPECT_EQ(HoverSounds() - before, 2) << "once per visit to each ring";
}

}  // namespace
}  // namespace quil::test
