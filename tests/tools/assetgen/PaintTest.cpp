#include "Paint.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quil::assetgen {
namespace {

std::uint32_t PixelOf(const Surface& s, int x, int y) {
  cairo_surface_flush(s.get());
  auto* row = cairo_image_surface_get_data(s.get()) + y * cairo_image_surface_get_stride(s.get());
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

TEST(Paint, DesignColoursAreBlueGreenRed) {
  Rgb teal = Bgr(0x00B0B000);
  EXPECT_DOUBLE_EQ(teal.r, 0);
  EXPECT_DOUBLE_EQ(teal.g, 0xB0 / 255.0);
  EXPECT_DOUBLE_EQ(teal.b, 0xB0 / 255.0);
  Rgb bar = Bgr(0x00D8CECA), same = Hex(0xCACED8);
  EXPECT_DOUBLE_EQ(bar.r, same.r);
  EXPECT_DOUBLE_EQ(bar.b, same.b);
}

// Titles must stay inside their box, however long, and fill it as far as they can.
TEST(Paint, FittedTextStaysInsideItsBox) {
  for (const char* title : {"Ink Realm", "Runeblade: Echoes of the Past", "Frog Fist & Twin Tiger"}) {
    Surface s = NewSurface(140, 100);
    Context c = Draw(s);
    const int bx = 20, by = 30, bw = 100, bh = 40;
    double size = FitText(c.get(), title, {.font = "DejaVu Sans Bold", .fill = Hex(0xFFFFFF), .outline = 1}, bx, by,
                          bw, bh);
    EXPECT_GT(size, 8) << title;
    int inkOutside = 0, inkInside = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 140; ++x) {
        bool inside = x >= bx && x < bx + bw && y >= by && y < by + bh;
        if (PixelOf(s, x, y) >> 24) ++(inside ? inkInside : inkOutside);
      }
    EXPECT_EQ(inkOutside, 0) << title;
    EXPECT_GT(inkInside, 200) << title;
  }
}

// Drawn larger, pixel art keeps its blocks: each is as many times wider.
TEST(Paint, PixelatedArtIsMadeOfWholeBlocksAtEverySize) {
  for (int factor : {1, 3}) {
    Surface s = Pixelated(20, 20, 4, factor, [](cairo_t* cr, int, int) {
      cairo_arc(cr, 2.5, 2.5, 2, 0, 6.3);
      cairo_set_source_rgb(cr, 1, 0, 0);
      cairo_fill(cr);
    });
    const int block = 4 * factor;
    ASSERT_EQ(WidthOf(s), 20 * factor);
    for (int y = 0; y < 20 * factor; ++y)
      for (int x = 0; x < 20 * factor; ++x) {
        ASSERT_EQ(PixelOf(s, x, y), PixelOf(s, x / block * block, y / block * block)) << x << "," << y;
        std::uint32_t alpha = PixelOf(s, x, y) >> 24;
        ASSERT_TRUE(alpha == 0 || alpha == 255) << "hard edges at " << x << "," << y;
      }
  }
}

// Fontconfig would quietly set the letters in another family; the picture
// would then differ from machine to machine.
TEST(Paint, AFaceThatIsNotInstalledStopsTheDrawing) {
  Surface s = NewSurface(40, 20);
  Context c = Draw(s);
  EXPECT_THROW(PlaceText(c.get(), "Quil", {.font = "Quil Missing Face Bold"}, 12, 0, 0), std::runtime_error);
  EXPECT_NO_THROW(PlaceText(c.get(), "Quil", {.font = "Comfortaa Bold"}, 12, 0, 0));
}

TEST(Paint, MirroredSwapsLeftAndRight) {
  Surface s = NewSurface(5, 2);
  {
    Context c = Draw(s);
    cairo_rectangle(c.get(), 0, 0, 1, 1);
    cairo_set_source_rgb(c.get(), 1, 1, 1);
    cairo_fill(c.get());
  }
  Surface m = Mirrored(s);
  EXPECT_EQ(PixelOf(m, 4, 0), 0xFFFFFFFFu);
  EXPECT_EQ(PixelOf(m, 0, 0), 0u);
  EXPECT_EQ(PixelOf(m, 4, 1), 0u);
}

}  // namespace
}  // namespace quil::assetgen
