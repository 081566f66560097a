#include <algorithm>

#include "HomeFixture.h"
#include "home/Form1Design.h"
#include "runtime/Frame.h"

namespace quil::test {
namespace {

namespace design = home::design;

class Layout : public HomeFixture {};

TEST_F(Layout, EveryControlIsCreatedOnceFrontToBack) {
  const auto& controls = Menu().Controls();
  ASSERT_EQ(controls.size(), 96u + 30u);
  EXPECT_EQ(controls.front()->Name(), "Picture1");
  EXPECT_EQ(controls[22]->Name(), "Shape27");
  EXPECT_EQ(controls.back()->Name(), "Shape43");
  EXPECT_EQ(Menu().Caption(), "Quil OS");
  EXPECT_EQ(Menu().BackColor(), 0x00F1F1F1u);
}

TEST_F(Layout, TheFourteenTimersWaitDisabledWithTheirIntervals) {
  const auto& timers = Menu().Timers();
  ASSERT_EQ(timers.size(), 14u);
  for (std::size_t i = 0; i < timers.size(); ++i) {
    EXPECT_EQ(timers[i]->Name(), design::kTimers[i].name);
    EXPECT_EQ(timers[i]->Interval(), design::kTimers[i].intervalMs);
    EXPECT_FALSE(timers[i]->Enabled());
  }
  EXPECT_EQ(Menu().TimerNamed("TimerIntro").Interval(), 120);
  EXPECT_EQ(Menu().TimerNamed("TimerMainMenuMusic").Interval(), 1500);
}

TEST_F(Layout, TilesFollowTheGridWithPicturesFromTheTable) {
  auto& menu = Menu();
  for (int tile = 1; tile <= design::kTileCount; ++tile) {
    SCOPED_TRACE("tile " + std::to_string(tile));
    const auto& frame = Frame(tile);
    const int page = (tile - 1) / 12, row = ((tile - 1) % 12) / 4, column = (tile - 1) % 4;
    EXPECT_EQ(frame.Left(), 1080 + 2520 * column + 13200 * page);
    EXPECT_EQ(frame.Top(), 840 + 1920 * row);
    EXPECT_EQ(frame.Width(), 2295);
    EXPECT_EQ(frame.Height(), 1695);
    EXPECT_EQ(frame.Figure(), rt::ShapeKind::RoundedRectangle);
    EXPECT_EQ(*frame.Fill(), design::Tile(tile).fill);
    EXPECT_EQ(*frame.BorderColor(), 0x00808080u);
    EXPECT_EQ(frame.BorderWidth(), 1);
    EXPECT_EQ(frame.Visible(), page > 0);

    const auto& picture = menu.Get<rt::Image>("Shape" + std::to_string(tile) + "Image");
    EXPECT_EQ(picture.Left(), design::Tile(tile).picture.left);
    EXPECT_EQ(picture.Top(), design::Tile(tile).picture.top);
    EXPECT_EQ(picture.Visible(), page > 0);
    const bool emptySlot = tile == 10 || tile == 39 || tile == 40 || tile == 44 || tile >= 46;
    EXPECT_EQ(picture.Picture() == nullptr, emptySlot);
    EXPECT_EQ(picture.ToolTip().empty(), emptySlot);
  }
  EXPECT_EQ(menu.Get<rt::Image>("Shape16Image").ToolTip(), "Runeblade: Echoes of the Past");
  EXPECT_EQ(Frame(3).Fill(), 0x00000000u);
}

TEST_F(Layout, PicturesThatAreNotStretchedAreDrawnAtTheirOwnSize) {
  for (int tile : {3, 5, 17, 22, 23, 29, 36}) {
    const auto& picture = Menu().Get<rt::Image>("Shape" + std::to_string(tile) + "Image");
    SCOPED_TRACE(picture.Name());
    EXPECT_FALSE(picture.Stretch());
    ASSERT_TRUE(picture.Picture());
    EXPECT_EQ(picture.Width(), picture.Picture()->Width() * 15);
    EXPECT_EQ(picture.Height(), picture.Picture()->Height() * 15);
  }
  EXPECT_TRUE(Menu().Get<rt::Image>("Shape1Image").Stretch());
}

TEST_F(Layout, TheMusicPanelsButtonsArePlacedInsideIt) {
  auto& menu = Menu();
  const auto back = menu.Get<rt::Label>("LabelMusicBack").FormBounds();
  EXPECT_EQ(back.left, 3120 + 240);
  EXPECT_EQ(back.top, 10000 + 240);
  EXPECT_EQ(&menu.Get<rt::Label>("LabelMusicNext").Container()->Name(), &menu.Get<rt::Frame>("Frame1").Name());
  EXPECT_EQ(menu.Get<rt::Label>("LabelMusicNext").Caption(), ":");
}

TEST_F(Layout, TheArrowsAndTheZoomBoxTakeTheFocusInTabOrder) {
  auto& menu = Menu();
  for (const char* name : {"ImageAR", "Picture1", "ImageAL"}) menu.Get<rt::PictureBox>(name).SetVisible(true);
  std::vector<std::string> order;
  for (int i = 0; i < 3; ++i) {
    menu.FocusNext(false);
    order.push_back(menu.Focused()->Name());
  }
  EXPECT_EQ(order, (std::vector<std::string>{"ImageAR", "Picture1", "ImageAL"}));
}

TEST_F(Layout, ButtonFacesLieInFrontOfTheirHotSpots) {
  auto& menu = Menu();
  for (const char* name : {"ImageLabelQuil", "ShapeQuilLabel", "ImageMail", "ShapeMailLabel"})
    menu.Find(name)->SetVisible(true);
  const auto face = menu.Get<rt::Image>("ImageMail").FormBounds();
  EXPECT_EQ(menu.HitTest(face.left + 10, face.top + 10)->Name(), "ImageMail");
  EXPECT_EQ(menu.HitTest(9600, 7000)->Name(), "ShapeMailLabel");
}

}  // namespace
}  // namespace quil::test
