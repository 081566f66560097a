#include "paint/MessageBoxPainter.h"

#include <gtest/gtest.h>

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

TEST(MessageBoxPainter, LongPromptWrapsInsteadOfWideningWithoutEnd) {
  const std::string sentence = "This channel has not been set up on this console yet. ";
  PaintedBox shortBox({sentence, rt::MessageBoxStyle::Information, "News"});
  PaintedBox longBox({sentence + sentence + sentence + sentence, rt::MessageBoxStyle::Information, "News"});
  EXPECT_LT(longBox.painter.Width(), 600);
  EXPECT_GT(longBox.painter.Height(), shortBox.painter.Height());
}

}  // namespace
}  // namespace quil::test
