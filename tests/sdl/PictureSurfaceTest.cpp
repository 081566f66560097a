#include "sdl/PictureSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace quil::test {
namespace {

TEST(PictureSurface, ColoursAreDividedBackOutOfTheAlpha) {
  EXPECT_EQ(sdl::Unpremultiply(0x80404000), 0x80808000u);
  EXPECT_EQ(sdl::Unpremultiply(0xFF123456), 0xFF123456u);
  EXPECT_EQ(sdl::Unpremultiply(0x00000000), 0x00000000u);
  EXPECT_EQ(sdl::Unpremultiply(0x10101010), 0x10FFFFFFu) << "full white at low alpha stays white";
}

TEST(PictureSurface, SurfaceHoldsTheStraightPixelsRowByRow) {
  const rt::Picture picture(2, 2, rt::Picture::Pixels32{0xFF0000FF, 0x00000000, 0x80008000, 0xFFFFFFFF});
  const sdl::SurfacePtr surface = sdl::StraightAlphaSurface(picture);
  ASSERT_TRUE(surface);
  auto pixel = [&](int x, int y) {
    return reinterpret_cast<const std::uint32_t*>(static_cast<const unsigned char*>(surface->pixels) +
                                                  y * surface->pitch)[x];
  };
  EXPECT_EQ(pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(pixel(1, 0), 0x00000000u);
  EXPECT_EQ(pixel(0, 1), 0x8000FF00u);
  EXPECT_EQ(pixel(1, 1), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace quil::test
