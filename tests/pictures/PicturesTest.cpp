// The pictures compiled into the program, as the screens ask for them.
#include "pictures/Pictures.h"

#include <gtest/gtest.h>

#include "DesignPictures.h"
#include "PngFile.h"

namespace quil::pictures::test {
using namespace assets::test;
namespace {

TEST(Pictures, EveryDesignPictureIsCompiledInAtItsSize) {
  for (const auto& p : DesignPictures()) {
    rt::PictureRef picture = Picture(p.name);
    ASSERT_NE(picture, nullptr) << p.name;
    EXPECT_EQ(picture->Width(), p.width) << p.name;
    EXPECT_EQ(picture->Height(), p.height) << p.name;
  }
}

TEST(Pictures, OneNameGivesOneSharedPicture) {
  EXPECT_EQ(Picture("Shape12Image"), Picture("Shape12Image"));
  EXPECT_NE(Picture("ImageAR"), Picture("ImageAL"));
}

TEST(Pictures, APictureGoesWithItsLastHolder) {
  rt::PictureRef held = Picture("FormBlitzScreenshot");
  std::weak_ptr<const rt::Picture> watched = held;
  EXPECT_EQ(Picture("FormBlitzScreenshot"), held);
  held.reset();
  EXPECT_TRUE(watched.expired()) << "an unloaded screen's screenshot stays decoded";
  EXPECT_NE(Picture("FormBlitzScreenshot"), nullptr);
}

TEST(Pictures, UnknownNamesGiveNothing) {
  for (const char* name : {"", "Shape10Image", "Shape48Image", "shape1image", "Shape1Image ", "Image4", "Zzz"})
    EXPECT_EQ(Picture(name), nullptr) << '"' << name << '"';
}

// The run-time decoder must give exactly the PNG's colours, premultiplied.
void ExpectSamePixels(const rt::Picture* picture, const std::string& file) {
  SCOPED_TRACE(file);
  PngFile png = LoadPicture(file);
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->Pixels().size(), static_cast<std::size_t>(png.width) * png.height);
  int mismatches = 0;
  for (int y = 0; y < png.height; ++y)
    for (int x = 0; x < png.width; ++x) {
      std::uint32_t straight = png.At(x, y), a = straight >> 24;
      std::uint32_t expected = a << 24;
      for (int shift : {16, 8, 0}) expected |= ((((straight >> shift) & 0xFF) * a + 127) / 255) << shift;
      if (picture->PixelAt(x, y) != expected && ++mismatches < 5)
        ADD_FAILURE() << x << "," << y << ": " << std::hex << picture->PixelAt(x, y) << " != " << expected;
    }
  EXPECT_EQ(mismatches, 0);
}

TEST(Pictures, DecodedPixelsMatchThePngFiles) {
  for (const char* name : {"PointerHand", "ImageAR", "ImageExit", "Shape20Image", "FormBlitz2Screenshot", "Image3"})
    ExpectSamePixels(Picture(name).get(), name);
}

// A screen shown larger takes the drawing at or above its scale, the one drawn
// at that size, its hot spot with it; at scale 1 the picture itself.
TEST(Pictures, ScreensShownLargerTakeTheDrawingAtOrAboveTheirScale) {
  rt::PictureRef exit = Picture("ImageExit");
  EXPECT_EQ(exit->FactorFor(1), 1);
  EXPECT_EQ(exit->FactorFor(0.75), 1);
  EXPECT_EQ(exit->FactorFor(1.25), 2);
  EXPECT_EQ(exit->FactorFor(2.0000000001), 2) << "a hair past a whole scale";
  EXPECT_EQ(exit->FactorFor(2.4), 3);
  EXPECT_EQ(exit->FactorFor(5), 3) << "the largest drawn, past it";
  ExpectSamePixels(exit->Drawn(2).get(), "2x/ImageExit");
  ExpectSamePixels(exit->Drawn(3).get(), "3x/ImageExit");
  EXPECT_EQ(Picture("PointerHand")->Drawn(3)->Hot().x, 30);
  EXPECT_EQ(Picture("AppIcon48")->FactorFor(2), 1) << "drawn at its own size only";
}

TEST(Pictures, PointerHotSpots) {
  rt::PictureRef blank = Picture("PointerBlank");
  EXPECT_EQ(blank->Hot().x, 0);
  EXPECT_EQ(blank->Hot().y, 0);
  EXPECT_TRUE(blank->FullyTransparent());

  // The hand points with the tip of its raised finger: the hot spot touches the
  // drawing, and nothing of the hand lies above it.
  rt::PictureRef hand = Picture("PointerHand");
  auto [hx, hy] = hand->Hot();
  EXPECT_GT(hand->PixelAt(hx, hy + 1) >> 24, 0u);
  for (int y = 0; y < hy; ++y)
    for (int x = 0; x < hand->Width(); ++x) EXPECT_EQ(hand->PixelAt(x, y) >> 24, 0u) << x << "," << y;
  EXPECT_LT(hy, 4);
}

}  // namespace
}  // namespace quil::pictures::test
