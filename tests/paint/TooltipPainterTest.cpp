#include "paint/TooltipPainter.h"

#include <gtest/gtest.h>

namespace quil::test {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

paint::PixelRect PlaceAt(double xPixels, double yPixels, std::string text = "Quil Message Board") {
  paint::TextPainter text_;
  paint::TooltipPainter painter(text_);
  return painter.Place({true, std::move(text), xPixels * 15, yPixels * 15}, kWidth, kHeight);
}

TEST(TooltipPlacement, JustBelowAndRightOfThePointer) {
  const paint::PixelRect box = PlaceAt(200, 150);
  EXPECT_EQ(box.x, 200);
  EXPECT_EQ(box.y, 170);
  EXPECT_GT(box.width, 60);
  EXPECT_GT(box.height, 8);
}

TEST(TooltipPlacement, StaysOnTheScreenNearItsEdges) {
  const paint::PixelRect corner = PlaceAt(795, 595);
  EXPECT_EQ(corner.x + corner.width, kWidth);
  EXPECT_LE(corner.y + corner.height, 595) << "above the pointer instead of under it";
  EXPECT_GE(corner.y, 0);

  const paint::PixelRect right = PlaceAt(790, 100);
  EXPECT_EQ(right.x + right.width, kWidth);
  EXPECT_EQ(right.y, 120);
}

}  // namespace
}  // namespace quil::test
