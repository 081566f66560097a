#include "sdl/PointerGlide.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quil::test {
namespace {

using sdl::PointerGlide;

constexpr rt::Micros kFrame = 16'000;

// Steps a frame at a time from `from` to `until`; the way travelled.
PointerGlide::Offset Travel(PointerGlide& glide, rt::Micros from, rt::Micros until) {
  PointerGlide::Offset way;
  for (rt::Micros now = from + kFrame; now <= until; now += kFrame) {
    const PointerGlide::Offset step = glide.Step(now);
    way.x += step.x;
    way.y += step.y;
  }
  return way;
}

TEST(PointerGlideTest, AStickAtRestOrDriftingALittleMovesNothing) {
  PointerGlide glide;
  glide.Stick(0.2, -0.1, 0);
  EXPECT_FALSE(glide.Moving());
  const PointerGlide::Offset way = Travel(glide, 0, 1'000'000);
  EXPECT_EQ(way.x, 0);
  EXPECT_EQ(way.y, 0);
}

// A tile is 168 pixels wide: the first tenth of a second moves a few dozen
// pixels, precise enough to stop inside it; a second crosses the screen.
TEST(PointerGlideTest, AFullPushStartsSlowAndCrossesTheScreenWithinASecond) {
  PointerGlide glide;
  glide.Stick(1, 0, 0);
  const double first = Travel(glide, 0, 96'000).x;
  EXPECT_GT(first, 15);
  EXPECT_LT(first, 45);
  EXPECT_GT(first + Travel(glide, 96'000, 1'000'000).x, 800);

  PointerGlide half;
  half.Stick(0, -0.625, 0);  // half way from the dead zone to the edge
  const double slow = -Travel(half, 0, 96'000).y;
  EXPECT_NEAR(slow, first / 4, 2) << "half a push, a quarter of the speed";
}

TEST(PointerGlideTest, TheDPadTapsPreciselyAndSpeedsUpOnlyWhileHeld) {
  PointerGlide glide;
  glide.Pad(0, 1, 0);
  const double tap = Travel(glide, 0, 48'000).y;
  EXPECT_GT(tap, 2);
  EXPECT_LT(tap, 8);
  glide.Pad(0, 0, 48'000);
  EXPECT_FALSE(glide.Moving());

  glide.Pad(1, 0, 2'000'000);
  EXPECT_NEAR(Travel(glide, 2'000'000, 2'048'000).x, tap, 1) << "a new push starts slow again";
  EXPECT_GT(Travel(glide, 2'048'000, 3'000'000).x, 350) << "a held one speeds up";
}

}  // namespace
}  // namespace quil::test
