#include "HomeFixture.h"
#include "home/MenuDesign.h"

namespace quil::test {
namespace {

class Reveal : public HomeFixture {};

TEST_F(Reveal, ShowsPageOneTheBarTheDateTheNextArrowAndTheButtons) {
  auto& menu = HomeFixture::Reveal();
  std::vector<std::string> shownOnScreen;
  for (const auto& control : menu.Controls()) {
    const rt::Rect r = control->FormBounds();
    if (control->Shown() && r.left < 12000 && r.top < 9000 && r.Right() > 0 && r.Bottom() > 0)
      shownOnScreen.push_back(control->Name());
  }
  std::vector<std::string> expected = {"ImageAR", "ImageLabelQuil", "ImageMail", "ImageExit", "ShapeQuilLabel",
                                       "ShapeMailLabel", "ShapeMailButton2", "ShapeMailButton1", "ImageCurveLine2",
                                       "ShapeQuilButton2", "ShapeQuilButton1", "LabelMenu", "Label1",
                                       "ImageCurveLine1", "ImageLine", "ImageGreyBar", "ShapeHC"};
  for (int tile = 1; tile <= 12; ++tile) {
    expected.push_back("Shape" + std::to_string(tile));
    expected.push_back("Shape" + std::to_string(tile) + "Image");
  }
  std::sort(shownOnScreen.begin(), shownOnScreen.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(shownOnScreen, expected);

  EXPECT_EQ(menu.Get<rt::PictureBox>("ImageAR").Left(), 11200);
  EXPECT_EQ(menu.Get<rt::PictureBox>("ImageAR").Top(), 3360);
  EXPECT_EQ(menu.Get<rt::PictureBox>("ImageAL").Left(), 270);
  EXPECT_EQ(menu.Get<rt::PictureBox>("ImageAL").Top(), 3360);
  EXPECT_FALSE(menu.Get<rt::PictureBox>("ImageAL").Visible());
  EXPECT_EQ(menu.BackColor(), 0x00F1F1F1u);
  EXPECT_EQ(platform.Pointer(), menu.Get<rt::Image>("ImageMouse").MouseIcon());
  EXPECT_FALSE(platform.Pointer()->FullyTransparent());
}

TEST_F(Reveal, LeavesTheStateThatHoldsBackTheFirstHighlightAndSound) {
  auto& menu = HomeFixture::Reveal();
  EXPECT_TRUE(menu.RevealPart().MenuShown());
  EXPECT_TRUE(menu.TilesPart().Outlined());
  EXPECT_TRUE(menu.Hover().HeldBack());
  for (const char* timer : {"Timer2", "TimerAR", "TimerMainMenuMusic"}) EXPECT_TRUE(menu.TimerNamed(timer).Enabled());

  driver.MoveOver("Shape1Image");
  EXPECT_EQ(HoverSounds(), 0);
  EXPECT_EQ(*Frame(1).BorderColor(), home::design::kFrameGrey);
}

TEST_F(Reveal, EveryLaterClickIsIgnored) {
  auto& menu = HomeFixture::Reveal();
  driver.ClickAt(11500, 300);
  driver.Advance(3000);
  driver.ClickAt(11500, 300);
  int clicks = 0;
  for (const auto& effect : media.Effects()) clicks += effect == Path("/Sfx/A_click.wav");
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(menu.Get<rt::Image>("Image1").Visible());
}

}  // namespace
}  // namespace quil::test
