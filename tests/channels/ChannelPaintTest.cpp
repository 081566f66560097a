#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ChannelFixture.h"
#include "PixelProbe.h"
#include "channels/Styles.h"
#include "pictures/Pictures.h"
#include "runtime/Label.h"
#include "paint/Canvas.h"
#include "paint/FormPainter.h"
#include "paint/PixelRect.h"

namespace quil::test {
namespace {

using catalogue::Game;
using catalogue::Style;
using channels::StyleOf;
using channels::StyleRow;

constexpr int kTolerance = 3;

bool Close(rt::Rgb seen, rt::Rgb wanted) {
  const auto near = [](int a, int b) { return a - b <= kTolerance && b - a <= kTolerance; };
  return near(seen.r, wanted.r) && near(seen.g, wanted.g) && near(seen.b, wanted.b);
}

std::string Text(rt::Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

int CountNear(const PixelProbe& probe, const paint::PixelRect& box, rt::Rgb colour) {
  int count = 0;
  for (int y = std::max(box.y, 0); y < std::min(box.y + box.height, 600); ++y)
    for (int x = std::max(box.x, 0); x < std::min(box.x + box.width, 800); ++x) count += Close(probe.At(x, y), colour);
  return count;
}

class ChannelPaint : public ChannelFixture {
 protected:
  // The screen as a person sees it once its title and screenshot are up.
  PixelProbe Revealed(const Game& row) {
    Open(row.form);
    driver.Advance(100);
    return PixelProbe(paint::PaintToPixels(*app.Front()));
  }
  void ExpectAt(const PixelProbe& probe, int x, int y, rt::Colour colour, const char* what, const Game& row) {
    const rt::Rgb seen = probe.At(x, y);
    EXPECT_TRUE(Close(seen, rt::ToRgb(colour)))
        << row.form << ": " << what << " at " << x << "," << y << " is " << Text(seen) << ", expected "
        << Text(rt::ToRgb(colour));
  }
};

constexpr rt::Colour kPageGrey = 0x00E6E6E6;
constexpr rt::Colour kDarkPanel = 0x00222320;
constexpr rt::Colour kBlack = 0x00000000;
constexpr rt::Rgb kWhite{255, 255, 255};

// The banner's tab, its blend into the page, and the colours the style gives the page.
rt::Colour BannerTab(Style style) {
  switch (style) {
    case Style::Kestrel: return 0x00A19BA1;
    case Style::SuperKestrel: return 0x00E09779;
    case Style::Kestrel64: return 0x00FC3856;
    case Style::Meridian: return 0x005E1792;
  }
  return 0;
}

TEST_F(ChannelPaint, EveryScreenShowsItsStyleItsScreenshotAndItsTitle) {
  MenuAtRest();
  for (const Game& row : catalogue::kGames) {
    const StyleRow& style = StyleOf(row.style);
    const bool meridian = row.style == Style::Meridian;
    const PixelProbe screen = Revealed(row);

    ExpectAt(screen, 100, 10, BannerTab(row.style), "banner band", row);
    ExpectAt(screen, 790, 30, BannerTab(row.style), "banner tab", row);
    ExpectAt(screen, 100, 30, meridian ? kDarkPanel : kPageGrey, "banner left of the tab", row);
    ExpectAt(screen, 10, 60, meridian ? kDarkPanel : kPageGrey, "behind the year", row);
    ExpectAt(screen, 20, 245, style.thinBand, "thin band", row);
    ExpectAt(screen, 20, 300, style.titleBand, "title band", row);
    ExpectAt(screen, 0, 599, kBlack, "window in the page's lower corner", row);
    ExpectAt(screen, 0, 50, meridian ? kDarkPanel : kPageGrey, "page's upper corner, hidden above", row);
    ExpectAt(screen, 400, 500, kPageGrey, "page below the rule", row);

    const auto* front = app.Front();
    const auto captionBox = paint::ToPixels(front->Find("Label2")->Bounds());
    EXPECT_GT(CountNear(screen, captionBox, rt::ToRgb(style.captionColour)), 30) << row.form << ": platform caption";

    // White title text on the title band, inside the title's box.
    const auto titleBox = paint::ToPixels(front->Find("Label1")->Bounds());
    EXPECT_GT(CountNear(screen, titleBox, kWhite), 60) << row.form << ": title";
    EXPECT_EQ(CountNear(screen, {0, 263, titleBox.x, 177}, kWhite), 0) << row.form << ": title outside its box";

    // The screenshot fills its box at its own pixel size, its corner at the box's corner.
    const rt::PictureRef shot = pictures::Picture(std::string(row.form) + "Screenshot");
    ASSERT_TRUE(shot) << row.form;
    const auto shotBox = paint::ToPixels(front->Find("Image3")->Bounds());
    ASSERT_EQ(shot->Width(), shotBox.width) << row.form;
    ASSERT_EQ(shot->Height(), shotBox.height) << row.form;
    for (const auto& [x, y] : {std::pair{2, 2}, {shotBox.width / 2, shotBox.height / 3},
                              {shotBox.width - 2, shotBox.height - 2}}) {
      EXPECT_TRUE(Close(screen.At(shotBox.x + x, shotBox.y + y), RgbOf(shot->PixelAt(x, y))))
          << row.form << ": screenshot pixel " << x << "," << y;
    }
    driver.Click("Label5");
  }
}

// The pictures a form's controls show, by control.
std::map<std::string, rt::PictureRef> PicturesOf(const rt::Form& form) {
  std::map<std::string, rt::PictureRef> pictures;
  for (const auto& control : form.Controls()) {
    rt::PictureRef picture;
    if (const auto* image = dynamic_cast<const rt::Image*>(control.get())) picture = image->Picture();
    if (const auto* box = dynamic_cast<const rt::PictureBox*>(control.get())) picture = box->Picture();
    if (picture) pictures[control->Name()] = picture;
  }
  return pictures;
}

// A visit leaves nothing of its screen behind: once "Quil Menu" has brought
// the menu back, no picture that only the screen showed is held any more, not
// by the runtime and not by the painter that drew the screen (its stretched
// banner and buttons included).
TEST_F(ChannelPaint, AVisitLetsGoOfEveryPictureOnlyItsScreenShowed) {
  auto& menu = MenuAtRest();
  // A painter that lives on, as the window's does.
  paint::FormPainter painter;
  paint::Canvas window(800, 600);
  const auto& screen = Open("FormSkyhopWorld");
  driver.Advance(100);
  painter.Paint(window.Context(), screen, {}, 800, 600);

  std::vector<rt::PictureRef> menuPictures;
  for (const auto& [name, picture] : PicturesOf(menu)) menuPictures.push_back(picture);
  std::map<std::string, std::weak_ptr<const rt::Picture>> screenOnly;
  for (const auto& [name, picture] : PicturesOf(screen))
    if (std::ranges::find(menuPictures, picture) == menuPictures.end()) screenOnly[name] = picture;
  ASSERT_TRUE(screenOnly.contains("Image3")) << "the screenshot";
  ASSERT_TRUE(screenOnly.contains("Image4")) << "the banner";

  driver.Click("Label5");
  ASSERT_EQ(app.Front(), &menu);
  painter.Paint(window.Context(), menu, {}, 800, 600);
  for (const auto& [name, picture] : screenOnly)
    EXPECT_TRUE(picture.expired()) << name << "'s picture outlived its screen";
}

TEST_F(ChannelPaint, ALongTitleWrapsOntoASecondLineWithinItsBox) {
  MenuAtRest();
  const PixelProbe screen = Revealed(*catalogue::GameNamed("FormRuneblade3"));
  auto box = paint::ToPixels(app.Front()->Find("Label1")->Bounds());
  box.height /= 2;
  EXPECT_GT(CountNear(screen, box, kWhite), 60) << "first line";
  box.y += box.height;
  EXPECT_GT(CountNear(screen, box, kWhite), 60) << "second line";
}

TEST_F(ChannelPaint, TheZoomBoxIsAWhiteSquareGrowingFromTheMiddleUntilItCoversTheScreen) {
  auto& menu = MenuAtRest();
  ClickTile(5);
  for (int tick = 1; tick <= 6; ++tick) app.RunFor(rt::kTimerResolution);
  PixelProbe midway(paint::PaintToPixels(menu));
  // 6255 twips square around (6007.5, 4567.5): pixels 192 to 608 across, 96 to 512 down.
  for (const auto& [x, y] : {std::pair{193, 97}, {400, 300}, {607, 511}}) EXPECT_EQ(midway.At(x, y), kWhite);
  EXPECT_NE(midway.At(190, 300), kWhite);
  EXPECT_NE(midway.At(400, 515), kWhite);

  for (int tick = 7; tick <= 12; ++tick) app.RunFor(rt::kTimerResolution);
  PixelProbe covered(paint::PaintToPixels(menu));
  EXPECT_EQ(CountNear(covered, {0, 0, 800, 600}, kWhite), 800 * 600);
}

}  // namespace
}  // namespace quil::test
