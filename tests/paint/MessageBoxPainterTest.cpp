#include "paint/MessageBoxPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "paint/Canvas.h"

namespace quil::test {
namespace {

struct PaintedBox {
  paint::TextPainter text;
  paint::MessageBoxPainter painter;
  paint::Canvas canvas;

  explicit PaintedBox(rt::MessageBoxRequest message)
      : painter(text, std::move(message)), canvas(painter.Width(), painter.Height()) {
    painter.Paint(canvas.Context(), false);
  }
  rt::Rgb IconCentre() const {
    const paint::PixelRect& icon = painter.Icon();
    return canvas.RgbAt(icon.x + icon.width / 2, icon.y + icon.height / 2);
  }
  rt::Rgb IconDisc() const {
    const paint::PixelRect& icon = painter.Icon();
    return canvas.RgbAt(icon.x + icon.width / 2, icon.y + icon.height - 4);
  }
};

TEST(MessageBoxPainter, StopIconIsARedDiscWithAWhiteCross) {
  PaintedBox box({"Your screen is not 800 x 600.", rt::MessageBoxStyle::Stop, "Quil OS"});
  const rt::Rgb disc = box.IconDisc();
  EXPECT_GT(disc.r, 180);
  EXPECT_LT(disc.g, 60);
  EXPECT_EQ(box.IconCentre(), (rt::Rgb{255, 255, 255}));
}

TEST(MessageBoxPainter, InformationIconIsABlueDiscWithAWhiteLetter) {
  PaintedBox box({"The disc channel is not available.", rt::MessageBoxStyle::Information, "Disc Channel"});
  const rt::Rgb disc = box.IconDisc();
  EXPECT_GT(disc.b, 180);
  EXPECT_LT(disc.r, 60);
  EXPECT_EQ(box.IconCentre(), (rt::Rgb{255, 255, 255}));
}

TEST(MessageBoxPainter, LaysOutTitlePromptAndButtonInsideTheBox) {
  PaintedBox box({"Short.", rt::MessageBoxStyle::Information, "Title"});
  const paint::PixelRect& ok = box.painter.OkButton();
  EXPECT_GE(ok.y, box.painter.Icon().y + box.painter.Icon().height);
  EXPECT_LE(ok.y + ok.height, box.painter.Height());
  EXPECT_NEAR(ok.x + ok.width / 2, box.painter.Width() / 2, 1);
  // The title bar in the active-caption colour across the top.
  EXPECT_EQ(box.canvas.RgbAt(box.painter.Width() - 5, 4), rt::ToRgb(rt::SystemColour(2)));
}

TEST(MessageBoxPainter, LongPromptWrapsInsteadOfWideningWithoutEndAndStopsAtTheScreensHeight) {
  const std::string sentence = "This channel has not been set up on this console yet. ";
  PaintedBox shortBox({sentence, rt::MessageBoxStyle::Information, "News"});
  PaintedBox longBox({sentence + sentence + sentence + sentence, rt::MessageBoxStyle::Information, "News"});
  EXPECT_LT(longBox.painter.Width(), 600);
  EXPECT_GT(longBox.painter.Height(), shortBox.painter.Height());

  std::string endless;
  for (int i = 0; i < 2000; ++i) endless += sentence;
  PaintedBox endlessBox({endless, rt::MessageBoxStyle::Stop, "News"});
  EXPECT_EQ(endlessBox.painter.Height(), 600);
  EXPECT_EQ(endlessBox.painter.OkButton().y + endlessBox.painter.OkButton().height + 14, 600) << "the button shows";
}

// Shown larger, the box is drawn at the device's size, not enlarged from its
// own pixels: the prompt's glyphs gain detail, the edges land on the device's
// edge, and at a scale that is not whole the edges fall on whole device pixels.
TEST(MessageBoxPainter, AtAScaleTheBoxIsDrawnAtTheDevicesResolution) {
  const rt::MessageBoxRequest message{"HA HA HA, a box twice as large.", rt::MessageBoxStyle::Information, "Scaled"};
  paint::TextPainter text;
  paint::MessageBoxPainter twice(text, message, 2);
  ASSERT_EQ(twice.DeviceWidth(), 2 * twice.Width());
  ASSERT_EQ(twice.DeviceHeight(), 2 * twice.Height());
  paint::Canvas canvas(twice.DeviceWidth(), twice.DeviceHeight());
  twice.Paint(canvas.Context(), false);

  // An enlarged picture would show every pixel of the box as four equal device pixels.
  const paint::PixelRect& icon = twice.Icon();
  int detailed = 0;
  for (int y = icon.y; y < icon.y + icon.height; ++y)
    for (int x = icon.x + icon.width; x < twice.Width() - 2; ++x) {
      const rt::Rgb corner = canvas.RgbAt(2 * x, 2 * y);
      if (canvas.RgbAt(2 * x + 1, 2 * y) != corner || canvas.RgbAt(2 * x, 2 * y + 1) != corner ||
          canvas.RgbAt(2 * x + 1, 2 * y + 1) != corner)
        ++detailed;
    }
  EXPECT_GT(detailed, 40) << "the prompt's glyphs drawn with the device's detail";

  const int right = twice.DeviceWidth() - 1;
  const int middle = twice.Height();
  EXPECT_EQ(canvas.RgbAt(right, middle), rt::ToRgb(rt::SystemColour(21))) << "the outer edge, two device pixels";
  EXPECT_EQ(canvas.RgbAt(right - 1, middle), rt::ToRgb(rt::SystemColour(21)));
  EXPECT_EQ(canvas.RgbAt(right - 2, middle), rt::ToRgb(rt::SystemColour(16)));

  // The button answers on every device pixel it covers, and on none beside it.
  const paint::PixelRect& ok = twice.OkButton();
  EXPECT_TRUE(twice.OnOkButton(2 * (ok.x + ok.width) - 1, 2 * (ok.y + ok.height) - 1));
  EXPECT_FALSE(twice.OnOkButton(2 * (ok.x + ok.width), 2 * ok.y));
  EXPECT_FALSE(twice.OnOkButton(2 * ok.x, 2 * ok.y - 1));

  // Down the right of the title bar at 1.5: the edges and the caption in
  // their own colours, with no row blending two of them.
  paint::MessageBoxPainter half(text, message, 1.5);
  paint::Canvas thirds(half.DeviceWidth(), half.DeviceHeight());
  half.Paint(thirds.Context(), false);
  const std::vector<rt::Rgb> own{rt::ToRgb(rt::SystemColour(15)), rt::ToRgb(rt::SystemColour(20)),
                                 rt::ToRgb(rt::SystemColour(2))};
  for (int y = 0; y < half.Icon().y * 1.5; ++y)
    EXPECT_NE(std::find(own.begin(), own.end(), thirds.RgbAt(thirds.Width() - 8, y)), own.end()) << "row " << y;
}

}  // namespace
}  // namespace quil::test
