#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "HomeFixture.h"
#include "home/MenuDesign.h"
#include "runtime/Frame.h"

namespace quil::test {
namespace {

namespace design = home::design;

class Layout : public HomeFixture {};

// Front to back: where two overlap, the earlier is drawn over the later and
// takes the pointer.
TEST_F(Layout, EveryControlIsCreatedOnceInItsStackingOrder) {
  const std::vector<std::string> order = {
      "Picture1", "Frame1", "LabelMusicBack", "LabelMusicNext", "ImageAR", "ImageAL", "LabelRes", "ImageLabelQuil",
      "Shape38Image", "Shape45Image", "Shape39Image", "Shape40Image", "Shape44Image", "Shape48Image", "Shape43Image",
      "Shape42Image", "Shape41Image", "Shape47Image", "Shape46Image", "Shape37Image", "Shape27Image", "Shape36Image",
      "Shape27", "Shape35Image", "Shape34Image", "Shape33Image", "Shape32Image", "Shape31Image", "Shape30Image",
      "Shape29Image", "Shape28Image", "Shape26Image", "Shape25Image", "Shape24Image", "Shape21Image", "Shape19Image",
      "Shape17Image", "Shape23Image", "Shape18Image", "Shape16Image", "Shape14Image", "Shape22Image", "Shape15Image",
      "Shape13Image", "Shape20Image", "Image6", "ImageMail", "Image4", "Image3", "Image2", "Shape3Image", "ImageExit",
      "Shape12Image", "Shape10Image", "Shape9Image", "Shape11Image", "Shape8Image", "Shape6Image", "Shape5Image",
      "Shape7Image", "Shape4Image", "Shape2Image", "Shape1Image", "ShapeQuilLabel", "ShapeMailLabel", "Shape12",
      "Shape11", "Shape10", "Shape8", "Shape7", "Shape6", "Shape4", "Shape3", "Shape2", "ShapeMailButton2",
      "ShapeMailButton1", "ImageCurveLine2", "ShapeQuilButton2", "ShapeQuilButton1", "Shape9", "Shape5", "LabelMenu",
      "Label1", "Image1", "ImageMouse", "ImageTrans", "ImageCurveLine1", "ImageLine", "Shape1", "ImageGreyBar",
      "ShapeHC", "Shape24", "Shape21", "Shape20", "Shape19", "Shape16", "Shape17", "Shape18", "Shape13", "Shape14",
      "Shape15", "Shape22", "Shape23", "Shape25", "Shape28", "Shape29", "Shape34", "Shape33", "Shape32", "Shape30",
      "Shape26", "Shape36", "Shape35", "Shape31", "Shape37", "Shape44", "Shape41", "Shape42", "Shape45", "Shape38",
      "Shape39", "Shape40", "Shape48", "Shape47", "Shape46", "Shape43"};
  std::vector<std::string> created;
  for (const auto& control : Menu().Controls()) created.push_back(control->Name());
  EXPECT_EQ(created, order);
  EXPECT_EQ(Menu().Caption(), "Quil OS");
  EXPECT_EQ(Menu().BackColor(), 0x00F1F1F1u);
}

TEST_F(Layout, TheFourteenTimersWaitDisabledWithTheirIntervals) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Timer1", 1000},       {"Timer2", 500},          {"Timer3", 2000},          {"TimerIntro", 120},
      {"TimerAR", 50},        {"TimerPage", 1},         {"TimerZoom", 1},          {"TimerMainMenuMusic", 1500},
      {"TimerMusicChange", 100}, {"TimerNewsMusic", 1000}, {"TimerPhotoMusic", 1000}, {"TimerWeatherMusic", 1000},
      {"TimerMusic", 1},      {"TimerMusic2", 1}};
  std::vector<std::pair<std::string, int>> timers;
  for (const auto& timer : Menu().Timers()) {
    timers.emplace_back(timer->Name(), timer->Interval());
    EXPECT_FALSE(timer->Enabled()) << timer->Name();
  }
  EXPECT_EQ(timers, expected);
}

TEST_F(Layout, TilesFollowTheGridWithPicturesFromTheTable) {
  auto& menu = Menu();
  for (int tile = 1; tile <= home::geometry::kTileCount; ++tile) {
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

// An empty slot shows no picture, yet its picture control takes the pointer
// over the whole rectangle of the tile table, stretched or not.
TEST_F(Layout, EmptySlotsTakeThePointerOverTheirWholePictureRectangle) {
  auto& menu = MenuAtRest();
  const std::pair<int, rt::Rect> slots[] = {
      {10, {3735, 4800, 2040, 1455}},  {39, {45840, 960, 2055, 1455}},  {40, {48360, 960, 2055, 1455}},
      {44, {48375, 2880, 2040, 1455}}, {46, {43320, 4800, 2055, 1455}}, {47, {45840, 4800, 2055, 1455}},
      {48, {48360, 4800, 2055, 1455}}};
  const auto hit = [&](double x, double y) {
    const rt::Control* control = menu.HitTest(x, y);
    return control ? control->Name() : std::string("nothing");
  };
  for (const auto& [tile, picture] : slots) {
    const std::string name = "Shape" + std::to_string(tile) + "Image";
    SCOPED_TRACE(name);
    const double left = picture.left, top = picture.top, right = picture.Right() - 1, bottom = picture.Bottom() - 1;
    for (const double x : {left, right})
      for (const double y : {top, bottom}) EXPECT_EQ(hit(x, y), name) << x << ", " << y;
    for (const auto& [x, y] : {std::pair{left - 1, top}, {left, top - 1}, {right + 1, bottom}, {right, bottom + 1}})
      EXPECT_NE(hit(x, y), name) << x << ", " << y;
  }
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
