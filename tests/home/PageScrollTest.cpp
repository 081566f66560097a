#include <vector>

#include "PagingFixture.h"
#include "home/Form1Design.h"
#include "shell/sdl/FormPainter.h"

namespace quil::test {
namespace {

using home::design::TileFrame;

class PageScroll : public PagingFixture {
 protected:
  // Turns the page and keeps the Left of one frame after every tick.
  std::vector<double> TurnWatching(int key, int tile) {
    std::vector<double> lefts;
    Press(key);
    ScrollTicks([&](int) { lefts.push_back(Frame(tile).Left()); });
    return lefts;
  }

  // How many pixels of `frame`, inside its outline, show the fill colour.
  static int FillPixels(const std::vector<std::uint32_t>& screen, const rt::Rect& frame, rt::Colour fill) {
    const rt::Rgb rgb = rt::ToRgb(fill);
    int count = 0;
    for (int y = static_cast<int>(frame.top / 15) + 3; y < static_cast<int>(frame.Bottom() / 15) - 3; ++y)
      for (int x = static_cast<int>(frame.left / 15) + 3; x < static_cast<int>(frame.Right() / 15) - 3; ++x) {
        const std::uint32_t pixel = screen.at(static_cast<std::size_t>(y) * 800 + x);
        count += rt::Rgb{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                         static_cast<std::uint8_t>(pixel)} == rgb;
      }
    return count;
  }
  static int InsidePixels(const rt::Rect& frame) {
    return static_cast<int>((frame.width / 15 - 6) * (frame.height / 15 - 6));
  }
};

TEST_F(PageScroll, NextPageTakes24TicksAndPreviousPage25InEveryCase) {
  auto& menu = MenuWithArrowFocused();
  std::vector<int> ticks;
  for (int key : {kKeyP, kKeyP, kKeyP, kKeyM, kKeyM, kKeyM}) ticks.push_back(TurnPage(key));
  EXPECT_EQ(ticks, (std::vector<int>{24, 24, 24, 25, 25, 25}));
  EXPECT_FALSE(menu.PageMovingIn);
  EXPECT_EQ(menu.HoverSoundPlayed, 0) << "the snap re-arms the hover sound";
}

TEST_F(PageScroll, PageTwoBackToPageOneReturnsEveryControlOfPageOneToItsDesignPlace) {
  MenuWithArrowFocused();
  TurnPage(kKeyP);
  EXPECT_EQ(Frame(4).Left(), TileFrame(4).left - 11000) << "page 1 rests left of the screen";
  TurnPage(kKeyM);
  for (int tile = 1; tile <= 12; ++tile) {
    SCOPED_TRACE(tile);
    EXPECT_EQ(Frame(tile).Left(), TileFrame(tile).left);
    EXPECT_EQ(Frame(tile).Top(), TileFrame(tile).top);
    EXPECT_EQ(Picture(tile).Left(), home::design::Tile(tile).picture.left);
    EXPECT_EQ(Picture(tile).Top(), home::design::Tile(tile).picture.top);
  }
  auto& shape = Menu().Get<rt::Shape>("ShapeHC");
  EXPECT_EQ(shape.Left(), 870);
  EXPECT_EQ(shape.Top(), 1080);
  EXPECT_EQ(Frame(13).Left(), 1080 + 14000) << "page 2 rests right of the screen";
}

TEST_F(PageScroll, AFirstArrivalStopsAt1280AndALaterOneAt2080BeforeTheSnap) {
  MenuWithArrowFocused();
  std::vector<double> lefts = TurnWatching(kKeyP, 13);
  EXPECT_EQ(lefts[22], 1280);
  EXPECT_EQ(lefts[23], 1080);
  lefts = TurnWatching(kKeyP, 25);
  EXPECT_EQ(lefts[22], 1280) << "load put page 3's frames where page 2's start";
  TurnPage(kKeyM);
  EXPECT_EQ(Frame(25).Left(), 15080);
  lefts = TurnWatching(kKeyP, 25);
  EXPECT_EQ(lefts[0], 15080) << "the first tick moves only the leaving page";
  EXPECT_EQ(lefts[22], 2080);
  EXPECT_EQ(lefts[23], 1080);
}

TEST_F(PageScroll, PageThreeFirstSlidesInWithoutItsPicturesThatLandInTheSnapTick) {
  auto& menu = MenuWithArrowFocused();
  TurnPage(kKeyP);
  EXPECT_EQ(Picture(14).Left(), Frame(14).Left() + 25);
  EXPECT_EQ(Picture(15).Left(), Frame(15).Left() + 120) << "not the design's 135";

  Press(kKeyP);
  int snapTick = 0;
  std::vector<std::uint32_t> beforeSnap;
  std::vector<rt::Rect> framesBeforeSnap;
  ScrollTicks([&](int tick) {
    if (menu.TimerNamed("TimerPage").Enabled()) {
      for (int tile = 25; tile <= 36; ++tile) ASSERT_GE(Picture(tile).Left(), 12000) << "tick " << tick;
      if (tick != 23) return;
      beforeSnap = paint::PaintToPixels(menu);
      for (int tile = 25; tile <= 36; ++tile) framesBeforeSnap.push_back(Frame(tile).Bounds());
    } else {
      snapTick = tick;
    }
  });
  EXPECT_EQ(snapTick, 24);
  for (int tile = 25; tile <= 36; ++tile) {
    SCOPED_TRACE(tile);
    EXPECT_EQ(Frame(tile).Left(), home::design::TileColumnLeft(tile));
    EXPECT_EQ(Picture(tile).Left(), Frame(tile).Left() + (tile == 26 ? 160 : 120));
  }

  // On screen: just before the snap the frames are there, filled and empty;
  // after it each shows its picture.
  const std::vector<std::uint32_t> afterSnap = paint::PaintToPixels(menu);
  for (int tile = 25; tile <= 36; ++tile) {
    SCOPED_TRACE(tile);
    const rt::Colour fill = *Frame(tile).Fill();
    const rt::Rect before = framesBeforeSnap.at(static_cast<std::size_t>(tile - 25));
    EXPECT_GT(FillPixels(beforeSnap, before, fill), InsidePixels(before) * 9 / 10);
    const int shown = InsidePixels(Frame(tile).Bounds()) - FillPixels(afterSnap, Frame(tile).Bounds(), fill);
    EXPECT_GT(shown, InsidePixels(before) / 4);
  }
}

TEST_F(PageScroll, HoldsTheHoverSoundBackWhileTheTilesMove) {
  auto& menu = MenuWithArrowFocused();
  Press(kKeyP);
  app.RunFor(2 * rt::kTimerResolution);
  MoveOverBackground();
  driver.MoveOver("ImageAR");
  driver.MoveOver("Shape5Image");
  EXPECT_EQ(HoverSounds(), 0);
  ScrollTicks();
  EXPECT_EQ(menu.HoverSoundPlayed, 0);
  driver.MoveOver("ImageAR");
  EXPECT_EQ(HoverSounds(), 1);
}

}  // namespace
}  // namespace quil::test
