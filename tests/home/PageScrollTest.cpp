#include <vector>

#include "PagingFixture.h"
#include "home/MenuDesign.h"
#include "paint/FormPainter.h"

namespace quil::test {
namespace {

class PageScroll : public PagingFixture {};

// Each row: a key, the frame that tells the arriving page's place, and where
// that frame stands in the tick before the snap.
struct Arrival {
  int key;
  int ticks;
  int frame;
  double beforeSnap;
};

TEST_F(PageScroll, ArrivalsStopInTheSnapWindowAfter24TicksForwardOr25Back) {
  MenuWithArrowFocused();
  const Arrival arrivals[] = {
      {kKeyP, 24, 13, 1280},  // first arrival from the right
      {kKeyP, 24, 25, 1280},  // load put page 3's frames where page 2's start
      {kKeyP, 24, 37, 1280}, {kKeyM, 25, 28, 8640},  // from the left, whole steps land on the grid
      {kKeyM, 25, 16, 8640}, {kKeyM, 25, 4, 8640},
      {kKeyP, 24, 13, 2080},  // a page shown before comes back from 15080
  };
  for (const Arrival& arrival : arrivals) {
    SCOPED_TRACE(arrival.frame);
    std::vector<double> lefts;
    Press(arrival.key);
    ScrollTicks([&](int) { lefts.push_back(Frame(arrival.frame).Left()); });
    ASSERT_EQ(lefts.size(), static_cast<std::size_t>(arrival.ticks));
    EXPECT_EQ(lefts[lefts.size() - 2], arrival.beforeSnap);
    EXPECT_EQ(lefts.back(), home::geometry::ColumnLeft(arrival.frame));
  }
  EXPECT_EQ(Frame(12).Left(), 8640 - 11000) << "page 1 rests left of the screen";
  EXPECT_EQ(Frame(25).Left(), 1080 + 14000) << "page 3 rests right of the screen";
}

TEST_F(PageScroll, PageTwoBackToPageOneReturnsEveryControlOfPageOneToWhereItStarted) {
  MenuWithArrowFocused();
  TurnPage(kKeyP);
  TurnPage(kKeyM);
  for (int tile = 1; tile <= 12; ++tile) {
    SCOPED_TRACE(tile);
    EXPECT_EQ(Frame(tile).Left(), home::design::TileFrame(tile).left);
    EXPECT_EQ(Frame(tile).Top(), home::design::TileFrame(tile).top);
    EXPECT_EQ(Picture(tile).Left(), home::design::Tile(tile).picture.left);
    EXPECT_EQ(Picture(tile).Top(), home::design::Tile(tile).picture.top);
  }
  auto& shape = Menu().Get<rt::Shape>("ShapeHC");
  EXPECT_EQ(shape.Left(), 870);
  EXPECT_EQ(shape.Top(), 1080);
}

TEST_F(PageScroll, PagesThreeAndFourFirstSlideInWithoutTheirPicturesThatLandInTheSnapTick) {
  auto& menu = MenuWithArrowFocused();
  TurnPage(kKeyP);
  EXPECT_EQ(Picture(14).Left(), Frame(14).Left() + 25);
  EXPECT_EQ(Picture(15).Left(), Frame(15).Left() + 120) << "not 135, where it started";

  for (int first : {25, 37}) {
    SCOPED_TRACE(first);
    Press(kKeyP);
    std::vector<std::uint32_t> beforeSnap;
    std::vector<rt::Rect> framesBeforeSnap;
    ScrollTicks([&](int tick) {
      if (!menu.TimerNamed("TimerPage").Enabled()) return;
      for (int tile = first; tile < first + 12; ++tile) ASSERT_GE(Picture(tile).Left(), 12000) << "tick " << tick;
      if (tick != 23) return;
      beforeSnap = paint::PaintToPixels(menu);
      for (int tile = first; tile < first + 12; ++tile) framesBeforeSnap.push_back(Frame(tile).Bounds());
    });
    const std::vector<std::uint32_t> afterSnap = paint::PaintToPixels(menu);
    for (int tile = first; tile < first + 12; ++tile) {
      SCOPED_TRACE(tile);
      EXPECT_EQ(Picture(tile).Left(), Frame(tile).Left() + (tile == 26 ? 160 : 120));
      // What a person sees: first the frames alone, filled with their colour;
      // then each with its picture, where it has one.
      const rt::Colour fill = *Frame(tile).Fill();
      const auto inside = [](rt::Rect frame) { return rt::Rect{frame.left + 45, frame.top + 45, 2205, 1605}; };
      const int area = 147 * 107;
      EXPECT_GT(PixelsOf(beforeSnap, inside(framesBeforeSnap.at(tile - first)), fill), area * 9 / 10);
      if (Picture(tile).Picture()) {
        EXPECT_LT(PixelsOf(afterSnap, inside(Frame(tile).Bounds()), fill), area * 3 / 4);
      }
    }
  }
}

TEST_F(PageScroll, HoldsTheHoverSoundBackWhileTheTilesMoveAndReArmsItAtTheSnap) {
  auto& menu = MenuWithArrowFocused();
  Press(kKeyP);
  app.RunFor(2 * rt::kTimerResolution);
  MoveOverBackground();
  driver.MoveOver("ImageAR");
  driver.MoveOver("Shape5Image");
  EXPECT_EQ(HoverSounds(), 0);
  ScrollTicks();
  EXPECT_FALSE(menu.Hover().HeldBack());
  driver.MoveOver("ImageAL");
  EXPECT_EQ(HoverSounds(), 0) << "the left arrow has no hover sound";
  driver.MoveOver("ImageAR");
  driver.MoveTo(Arrow("ImageAR").Left() + 30, 3400);
  EXPECT_EQ(HoverSounds(), 1) << "the right arrow sounds once per pass";
}

}  // namespace
}  // namespace quil::test
