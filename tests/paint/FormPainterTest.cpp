#include "paint/FormPainter.h"

#include <gtest/gtest.h>

#include "PixelProbe.h"
#include "runtime/Application.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "support/FakePlatform.h"

namespace quil::test {
namespace {

using rt::Rgb;

constexpr double Px(double pixels) { return pixels * 15; }
rt::Rect PxRect(double x, double y, double w, double h) { return {Px(x), Px(y), Px(w), Px(h)}; }

constexpr std::uint32_t kRedArgb = 0xFFFF0000;
constexpr std::uint32_t kGreenArgb = 0xFF00FF00;
// Colours are 0x00BBGGRR.
constexpr rt::Colour kRed = 0x000000FF;
constexpr rt::Colour kGreen = 0x0000FF00;
constexpr rt::Colour kBlue = 0x00FF0000;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr rt::Colour kBlack = 0x00000000;
constexpr rt::Colour kTeal = 0x00B0B000;
constexpr rt::Colour kGrey = 0x00808080;
constexpr rt::Colour kYellow = 0x0000FFFF;
constexpr rt::Colour kGround = 0x00F1F1F1;
constexpr rt::Colour kPanel = 0x00D8CECA;
constexpr rt::Colour kSymbolGrey = 0x00676767;

Rgb RgbOfColour(rt::Colour colour) { return rt::ToRgb(colour); }

rt::Shape::Look ShapeLook(rt::ShapeKind kind, std::optional<rt::Colour> fill, std::optional<rt::Colour> border,
                          int width = 1) {
  return {kind, fill, border, width};
}

rt::Label::Look LabelLook(rt::Colour fore, bool opaque, rt::Colour back = kWhite,
                          rt::Alignment alignment = rt::Alignment::Left, rt::Font font = {"Arial", 10}) {
  return {font, fore, alignment, opaque, back};
}

// One control of every kind, laid out on whole pixels in separate places.
// Controls are added front to back.
class SampleScreen : public rt::Form {
 public:
  explicit SampleScreen(rt::Application& app) : Form(app, "SampleScreen") {
    SetBackColor(kGround);
    // Windowless and first in design order, yet under the picture box.
    Add<rt::Image>("Cover", PxRect(640, 40, 40, 40), SolidPicture(40, 40, kGreenArgb), true);
    Add<rt::PictureBox>("Box", PxRect(600, 20, 60, 40), kBlue, SolidPicture(10, 10, kRedArgb), 0);
    auto& frame = Add<rt::Frame>("Panel", PxRect(400, 300, 150, 100), "Music", rt::Font{"Arial", 9}, kPanel);
    auto& inner = Add<rt::Label>("Inner", PxRect(10, 30, 200, 20), "", LabelLook(kBlack, true, kGreen));
    inner.PlaceIn(frame);

    Add<rt::Label>("Opaque", PxRect(20, 20, 100, 30), "Hi", LabelLook(kBlack, true, kRed));
    Add<rt::Label>("Clear", PxRect(20, 60, 100, 30), "&Hello", LabelLook(kBlack, false));
    Add<rt::Label>("Wrapped", PxRect(20, 100, 60, 50), "Wide words wrap", LabelLook(kBlack, false));
    Add<rt::Label>("Centred", PxRect(20, 160, 200, 20), "X",
                   LabelLook(kBlack, false, kWhite, rt::Alignment::Center));
    Add<rt::Label>("Short", PxRect(20, 200, 100, 14), "Tall", LabelLook(kBlack, false, kWhite, rt::Alignment::Left,
                                                                       rt::Font{"Arial", 20}));
    const rt::Font symbols{"Webdings", 14.25, true};
    Add<rt::Label>("Back", PxRect(300, 20, 25, 25), "9",
                   LabelLook(kSymbolGrey, false, kWhite, rt::Alignment::Center, symbols));
    Add<rt::Label>("Next", PxRect(340, 20, 25, 25), ":",
                   LabelLook(kSymbolGrey, false, kWhite, rt::Alignment::Center, symbols));

    Add<rt::Image>("Front", PxRect(600, 300, 20, 20), SolidPicture(20, 20, kRedArgb));
    Add<rt::Shape>("Behind", PxRect(610, 310, 30, 30), ShapeLook(rt::ShapeKind::Rectangle, kBlue, std::nullopt));
    Add<rt::Image>("Hidden", PxRect(700, 300, 20, 20), SolidPicture(20, 20, kRedArgb)).SetVisible(false);
    Add<rt::Image>("Stretched", PxRect(600, 100, 80, 60), SplitPicture(8, 6, kRedArgb, kGreenArgb), true);
    Add<rt::Image>("OwnSize", PxRect(600, 200, 80, 60), SplitPicture(8, 6, kRedArgb, kGreenArgb));
    Add<rt::Image>("Glass", PxRect(700, 200, 10, 10), SolidPicture(10, 10, 0x80000000));
    Add<rt::Image>("Empty", PxRect(700, 250, 20, 20));

    Add<rt::Shape>("Rect", PxRect(20, 450, 60, 40), ShapeLook(rt::ShapeKind::Rectangle, kWhite, kBlack));
    Add<rt::Shape>("Tile", PxRect(100, 450, 60, 40),
                   ShapeLook(rt::ShapeKind::RoundedRectangle, kYellow, kTeal, 2));
    Add<rt::Shape>("PlainTile", PxRect(100, 500, 60, 40),
                   ShapeLook(rt::ShapeKind::RoundedRectangle, kYellow, kGrey, 1));
    Add<rt::Shape>("Oval", PxRect(180, 450, 80, 40), ShapeLook(rt::ShapeKind::Oval, kRed, std::nullopt));
    Add<rt::Shape>("Circle", PxRect(280, 450, 80, 40), ShapeLook(rt::ShapeKind::Circle, kBlue, kBlack));
    Add<rt::Shape>("Outline", PxRect(380, 450, 60, 40), ShapeLook(rt::ShapeKind::Rectangle, std::nullopt, kRed, 3));

    Add<rt::Line>("Thin", Px(20), Px(520), Px(120), Px(520), kBlack, 1);
    Add<rt::Line>("Thick", Px(20), Px(540), Px(120), Px(540), kRed, 3);
  }
};

class FormPainterTest : public ::testing::Test {
 protected:
  FakePlatform platform_;
  rt::Application app_{platform_};
  SampleScreen form_{app_};
  PixelProbe screen_{paint::PaintToPixels(form_)};
};

const Rgb kGroundRgb = RgbOfColour(kGround);

TEST_F(FormPainterTest, GroundIsTheFormsBackColour) {
  EXPECT_EQ(screen_.At(0, 0), kGroundRgb);
  EXPECT_EQ(screen_.At(799, 599), kGroundRgb);
}

TEST_F(FormPainterTest, ImagesStretchedOrAtTheirOwnSize) {
  // Stretched: the 8 x 6 picture fills 80 x 60, its left half red, right half green, to the edges.
  EXPECT_EQ(screen_.At(601, 101), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(630, 150), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(650, 110), RgbOfColour(kGreen));
  EXPECT_EQ(screen_.At(679, 159), RgbOfColour(kGreen));
  EXPECT_EQ(screen_.At(680, 130), kGroundRgb);
  // Own size: 8 x 6 pixels at the control's corner although the control is larger.
  EXPECT_EQ(screen_.At(600, 200), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(607, 205), RgbOfColour(kGreen));
  EXPECT_EQ(screen_.At(608, 203), kGroundRgb);
  EXPECT_EQ(screen_.At(603, 206), kGroundRgb);
}

TEST_F(FormPainterTest, PictureAlphaBlendsWithWhatIsBehind) {
  const Rgb glass = screen_.At(705, 205);
  EXPECT_NEAR(glass.r, 241 / 2, 3);
  EXPECT_EQ(glass.r, glass.b);
}

TEST_F(FormPainterTest, HiddenControlsAndImagesWithoutPictureDrawNothing) {
  EXPECT_EQ(screen_.At(710, 310), kGroundRgb);
  EXPECT_EQ(screen_.At(710, 260), kGroundRgb);
}

TEST_F(FormPainterTest, EarlierControlIsInFront) {
  EXPECT_EQ(screen_.At(615, 315), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(635, 335), RgbOfColour(kBlue));
}

TEST_F(FormPainterTest, PictureBoxStandsAboveImagesWhateverTheOrder) {
  EXPECT_EQ(screen_.At(605, 25), RgbOfColour(kRed));    // its picture, own size, at its corner
  EXPECT_EQ(screen_.At(615, 35), RgbOfColour(kBlue));   // its ground
  EXPECT_EQ(screen_.At(650, 50), RgbOfColour(kBlue));   // over the image listed before it
  EXPECT_EQ(screen_.At(670, 70), RgbOfColour(kGreen));  // the image beyond the box
}

TEST_F(FormPainterTest, FrameHasGroundEtchedEdgeAndCaption) {
  EXPECT_EQ(screen_.At(470, 380), RgbOfColour(kPanel));
  // Left, right and bottom edges: a grey line with a white one inside or beyond it.
  EXPECT_EQ(screen_.At(400, 380), RgbOfColour(kGrey));
  EXPECT_EQ(screen_.At(401, 380), RgbOfColour(kWhite));
  EXPECT_EQ(screen_.At(548, 380), RgbOfColour(kGrey));
  EXPECT_EQ(screen_.At(549, 380), RgbOfColour(kWhite));
  EXPECT_EQ(screen_.At(470, 398), RgbOfColour(kGrey));
  EXPECT_EQ(screen_.At(470, 399), RgbOfColour(kWhite));
  // The edge starts below the frame's top, where the caption's middle is.
  EXPECT_EQ(screen_.At(400, 300), RgbOfColour(kPanel));
  EXPECT_LT(screen_.Darkest(405, 300, 50, 16), 100) << "caption text";
}

TEST_F(FormPainterTest, FrameChildrenSitInsideTheFrameAndAreClippedToIt) {
  EXPECT_EQ(screen_.At(415, 335), RgbOfColour(kGreen));
  EXPECT_EQ(screen_.At(545, 335), RgbOfColour(kGreen));
  EXPECT_EQ(screen_.At(555, 335), kGroundRgb);
  EXPECT_EQ(screen_.At(15, 35), kGroundRgb) << "where the child would be without its frame";
}

TEST_F(FormPainterTest, LabelsOpaqueOrTransparentWithTheirText) {
  EXPECT_EQ(screen_.At(110, 45), RgbOfColour(kRed));
  EXPECT_LT(screen_.Darkest(20, 20, 30, 20), 60);
  EXPECT_EQ(screen_.At(110, 85), kGroundRgb);
  EXPECT_LT(screen_.Darkest(20, 60, 20, 20), 60) << "the ampersand is shown, not taken as a mnemonic";
}

TEST_F(FormPainterTest, LabelTextWrapsAlignsAndIsClipped) {
  EXPECT_LT(screen_.Darkest(20, 118, 60, 20), 60) << "second line of the wrapped caption";
  EXPECT_EQ(screen_.Darkest(80, 100, 100, 50), 241) << "nothing beyond the label's width";
  EXPECT_EQ(screen_.Darkest(20, 160, 80, 20), 241) << "a centred caption leaves the left side empty";
  EXPECT_LT(screen_.Darkest(110, 160, 20, 20), 60);
  EXPECT_LT(screen_.Darkest(20, 200, 60, 14), 60) << "the top of the tall text";
  EXPECT_EQ(screen_.Darkest(20, 214, 60, 20), 241) << "nothing below the label";
}

TEST_F(FormPainterTest, SymbolFontCaptionsAreMirroredTransportSymbols) {
  const Rgb ink = RgbOfColour(kSymbolGrey);
  int inked = 0;
  for (int y = 20; y < 45; ++y)
    for (int x = 300; x < 325; ++x) {
      const Rgb back = screen_.At(x, y);
      const Rgb next = screen_.At(300 + 340 - x + 24, y);
      EXPECT_NEAR(back.r, next.r, 12) << x << "," << y;
      if (back == ink) ++inked;
    }
  EXPECT_GT(inked, 40);
  // Skip back starts with its bar: the leftmost inked column runs the symbol's full height.
  int column = 300;
  while (column < 325 && screen_.Darkest(column, 20, 1, 25) > 0x67 + 40) ++column;
  int run = 0;
  for (int y = 20; y < 45; ++y)
    if (screen_.At(column + 1, y).r < 0x67 + 40) ++run;
  EXPECT_GE(run, 8);
  // ... and there is no tall bar at its right end.
  int rightColumn = 324;
  while (rightColumn > 300 && screen_.Darkest(rightColumn, 20, 1, 25) > 0x67 + 40) --rightColumn;
  EXPECT_LE(screen_.Darkest(rightColumn - 3, 20, 1, 25), 0x67 + 40);
  EXPECT_EQ(screen_.At(rightColumn - 3, 28), kGroundRgb) << "the pointed end of an arrow";
}

TEST_F(FormPainterTest, ShapesFilledAndOutlinedInsideTheirRectangle) {
  EXPECT_EQ(screen_.At(20, 450), RgbOfColour(kBlack));
  EXPECT_EQ(screen_.At(79, 489), RgbOfColour(kBlack));
  EXPECT_EQ(screen_.At(21, 451), RgbOfColour(kWhite));
  EXPECT_EQ(screen_.At(50, 470), RgbOfColour(kWhite));
  EXPECT_EQ(screen_.At(80, 470), kGroundRgb);

  EXPECT_LT(screen_.At(180, 470).g, 80) << "oval reaches the left edge at mid height";
  EXPECT_EQ(screen_.At(220, 470), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(181, 451), kGroundRgb) << "oval leaves the corners";

  EXPECT_EQ(screen_.At(320, 470), RgbOfColour(kBlue));
  EXPECT_EQ(screen_.At(295, 470), kGroundRgb) << "the circle is as wide as the rectangle is high";
  EXPECT_LT(screen_.At(320, 450).r, 100) << "the circle's outline at its top";

  EXPECT_EQ(screen_.At(410, 470), kGroundRgb) << "no fill";
  for (int x = 380; x < 383; ++x) EXPECT_EQ(screen_.At(x, 470), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(383, 470), kGroundRgb);
}

TEST_F(FormPainterTest, TwoPixelTileOutlineIsThickerThanTheOnePixelOne) {
  EXPECT_EQ(screen_.At(130, 450), RgbOfColour(kTeal));
  EXPECT_EQ(screen_.At(130, 451), RgbOfColour(kTeal));
  EXPECT_EQ(screen_.At(130, 452), RgbOfColour(kYellow));
  EXPECT_EQ(screen_.At(130, 500), RgbOfColour(kGrey));
  EXPECT_EQ(screen_.At(130, 501), RgbOfColour(kYellow));
  EXPECT_EQ(screen_.At(100, 450), kGroundRgb) << "rounded corner";
  EXPECT_EQ(screen_.At(100, 470), RgbOfColour(kTeal));
}

TEST_F(FormPainterTest, LinesHaveTheirWidthAndColour) {
  EXPECT_EQ(screen_.At(70, 520), RgbOfColour(kBlack));
  EXPECT_EQ(screen_.At(70, 519), kGroundRgb);
  EXPECT_EQ(screen_.At(70, 521), kGroundRgb);
  for (int y = 539; y <= 541; ++y) EXPECT_EQ(screen_.At(70, y), RgbOfColour(kRed));
  EXPECT_EQ(screen_.At(70, 538), kGroundRgb);
  EXPECT_EQ(screen_.At(70, 542), kGroundRgb);
}

TEST_F(FormPainterTest, TooltipShowsBelowThePointer) {
  const rt::Tooltip tip{true, "Next Page", Px(100), Px(100)};
  const PixelProbe shown(paint::PaintToPixels(form_, tip));
  EXPECT_EQ(shown.At(100, 100), kGroundRgb);
  EXPECT_LT(shown.At(100, 120).r, 100) << "border";
  EXPECT_EQ(shown.At(102, 122), RgbOfColour(rt::SystemColour(24)));
  EXPECT_LT(shown.Darkest(101, 121, 60, 14), 80) << "text";
}

// A screen shown twice as large is drawn at the device's size, not enlarged
// from the 800 x 600 picture: text gains detail, straight edges stay sharp
// and land on twice their places, pictures are filtered with no faded rim.
TEST_F(FormPainterTest, AtTwiceTheScaleEverythingIsDrawnAtTheDevicesSize) {
  const std::vector<std::uint32_t> twice = paint::PaintToPixels(form_, {}, 2);
  ASSERT_EQ(twice.size(), 1600u * 1200);
  const auto at = [&](int x, int y) { return RgbOf(twice.at(static_cast<std::size_t>(y) * 1600 + x)); };

  // An enlarged picture would show every screen pixel as four equal device pixels.
  int detailed = 0;
  for (int y = 100; y < 150; ++y)
    for (int x = 20; x < 80; ++x) {
      const Rgb corner = at(2 * x, 2 * y);
      if (at(2 * x + 1, 2 * y) != corner || at(2 * x, 2 * y + 1) != corner || at(2 * x + 1, 2 * y + 1) != corner)
        ++detailed;
    }
  EXPECT_GT(detailed, 40) << "the wrapped caption's glyphs drawn with the device's detail";

  EXPECT_EQ(at(39, 940), kGroundRgb);
  EXPECT_EQ(at(40, 940), RgbOfColour(kBlack)) << "the rectangle's outline, two device pixels wide";
  EXPECT_EQ(at(41, 940), RgbOfColour(kBlack));
  EXPECT_EQ(at(42, 940), RgbOfColour(kWhite));
  EXPECT_EQ(at(140, 1077), kGroundRgb);
  for (int y = 1078; y < 1084; ++y) EXPECT_EQ(at(140, y), RgbOfColour(kRed)) << "the thick line, row " << y;
  EXPECT_EQ(at(140, 1084), kGroundRgb);

  // The stretched picture's corners keep its own colours, and its halves meet in a blend.
  EXPECT_EQ(at(1200, 200), RgbOfColour(kRed));
  EXPECT_EQ(at(1359, 319), RgbOfColour(kGreen));
  EXPECT_EQ(at(1360, 260), kGroundRgb);
  bool blended = false;
  for (int x = 1200; x < 1360; ++x) {
    const Rgb pixel = at(x, 260);
    blended = blended || (pixel.r > 20 && pixel.g > 20);
  }
  EXPECT_TRUE(blended) << "a filter, not a copy of the nearest pixel";
}


// A red picture whose drawing twice as large is green, so that the screen
// shows which drawing its scale took.
class TwoDrawingsScreen : public rt::Form {
 public:
  explicit TwoDrawingsScreen(rt::Application& app) : Form(app, "TwoDrawingsScreen") {
    auto picture = std::make_shared<rt::Picture>(
        10, 10, [] { return rt::Picture::Pixels32(100, kRedArgb); }, rt::Picture::HotSpot{},
        std::vector<rt::Picture::Decoder>{[] { return rt::Picture::Pixels32(400, kGreenArgb); }});
    Add<rt::Image>("OwnSize", PxRect(100, 100, 10, 10), picture);
    Add<rt::Image>("Stretched", PxRect(200, 100, 30, 20), picture, true);
  }
};

// At scale 1 the screen shows the pictures it always showed; larger, each
// picture comes from its drawing at or above the scale, filtered down.
TEST(FormPainterDrawingsTest, AScreenShownLargerTakesThePicturesDrawnLarger) {
  FakePlatform platform;
  rt::Application app(platform);
  TwoDrawingsScreen form(app);
  for (const double scale : {1.0, 1.5, 2.0}) {
    SCOPED_TRACE(scale);
    const std::vector<std::uint32_t> pixels = paint::PaintToPixels(form, {}, scale);
    const auto at = [&](int x, int y) {
      const auto row = static_cast<std::size_t>(y * scale) * static_cast<std::size_t>(800 * scale);
      return RgbOf(pixels.at(row + static_cast<std::size_t>(x * scale)));
    };
    const Rgb expected = RgbOfColour(scale == 1 ? kRed : kGreen);
    EXPECT_EQ(at(105, 105), expected) << "own size";
    EXPECT_EQ(at(215, 110), expected) << "stretched";
  }
}

}  // namespace
}  // namespace quil::test
