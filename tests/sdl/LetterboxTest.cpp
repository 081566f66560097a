#include "sdl/Letterbox.h"

#include <gtest/gtest.h>

#include <string>

namespace quil::test {
namespace {

using sdl::Letterbox;
using sdl::PixelPoint;

TEST(LetterboxTest, AWindowOfTheScreensSizeShowsItPixelForPixel) {
  const Letterbox box(800, 600);
  EXPECT_EQ(box.Scale(), 1);
  EXPECT_EQ(box.ToScreen(0, 0), (PixelPoint{0, 0}));
  EXPECT_EQ(box.ToScreen(799, 599), (PixelPoint{799, 599}));
  EXPECT_EQ(box.ToWindow({123, 456}), (PixelPoint{123, 456}));
}

TEST(LetterboxTest, AWideScreenHasBarsLeftAndRightATallWindowAboveAndBelow) {
  const Letterbox wide(1920, 1080);
  EXPECT_DOUBLE_EQ(wide.Scale(), 1.8);
  EXPECT_EQ(wide.Screen().x, 240);
  EXPECT_EQ(wide.Screen().width, 1440);
  EXPECT_EQ(wide.Screen().height, 1080);
  EXPECT_FALSE(wide.ToScreen(239, 540)) << "the left bar";
  EXPECT_FALSE(wide.ToScreen(1680, 540)) << "the right bar";
  EXPECT_EQ(wide.ToScreen(240, 0), (PixelPoint{0, 0}));
  EXPECT_EQ(wide.ToScreen(1679, 1079), (PixelPoint{799, 599}));
  EXPECT_LT(wide.ToScreenBeyond(0, 540).x, 0) << "a release dragged into a bar lies off the screen";

  const Letterbox tall(1200, 1000);
  EXPECT_DOUBLE_EQ(tall.Scale(), 1.5);
  EXPECT_EQ(tall.Screen().y, 50);
  EXPECT_FALSE(tall.ToScreen(600, 49));
  EXPECT_FALSE(tall.ToScreen(600, 950));
  EXPECT_EQ(tall.ToScreen(600, 50), (PixelPoint{400, 0}));
  EXPECT_EQ(tall.ToScreen(1199, 949), (PixelPoint{799, 599}));
}

// The pointer of a game controller is placed on the window by its screen
// pixel and read back from the window: it must come back where it was.
TEST(LetterboxTest, EveryScreenPixelComesBackFromTheWindowPixelItIsShownAt) {
  for (const auto [width, height] : {std::pair{800, 600}, {1000, 700}, {1200, 900}, {1333, 1000}, {1600, 1200},
                                     {1920, 1080}, {2400, 1800}, {1366, 768}}) {
    const Letterbox box(width, height);
    int wrong = 0;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) {
        const PixelPoint shown = box.ToWindow({x, y});
        if (box.ToScreen(shown.x, shown.y) != PixelPoint{x, y}) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << width << " x " << height;
  }
}

TEST(LetterboxTest, TheWindowTakesTheLargestQuarterStepThatFitsTheWorkAreaComfortably) {
  EXPECT_LT(sdl::ComfortableScale(800, 600), 1) << "too small for the menu at its own size";
  EXPECT_EQ(sdl::ComfortableScale(1024, 740), 1);
  EXPECT_EQ(sdl::ComfortableScale(1920, 1050), 1.5);
  EXPECT_EQ(sdl::ComfortableScale(2560, 1410), 2);
  EXPECT_EQ(sdl::ComfortableScale(3840, 2130), 3);
}

}  // namespace
}  // namespace quil::test
