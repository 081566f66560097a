#include "paint/ScreenPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

#include "PixelProbe.h"
#include "runtime/Application.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "paint/DeviceScale.h"
#include "paint/ScreenSize.h"
#include "support/FakePlatform.h"

namespace quil::test {
namespace {

constexpr rt::Colour kGround = 0x00F1F1F1;
constexpr rt::Colour kTeal = 0x00B0B000;
constexpr rt::Colour kGrey = 0x00808080;
constexpr rt::Colour kBlack = 0x00000000;

// A menu in miniature: tiles (a framed picture each), a zoom box, a panel
// that slides, a label, a line and a picture box that stands over the zoom
// box's way. Positions are twips and deliberately not all on whole pixels.
class MiniMenu : public rt::Form {
 public:
  explicit MiniMenu(rt::Application& app) : Form(app, "MiniMenu") {
    SetBackColor(kGround);
    Add<rt::PictureBox>("Zoom", rt::Rect{5880, 4440, 255, 255}, 0x00FF8000, nullptr, 1).SetVisible(false);
    Add<rt::PictureBox>("Arrow", rt::Rect{11200, 3360, 495, 720}, kGround, SolidPicture(33, 48, 0xFF5CB0FB), 0);
    auto& panel = Add<rt::Frame>("Panel", rt::Rect{3120, 8400, 1335, 735}, "Music", rt::Font{"Arial", 9}, 0x00D8CECA);
    Add<rt::Label>("Next", rt::Rect{720, 240, 375, 375}, "Go",
                   rt::Label::Look{rt::Font{"Arial", 10, true}, 0x00676767, rt::Alignment::Center})
        .PlaceIn(panel);
    for (int tile = 0; tile < 4; ++tile) {
      const double left = 1080 + 2520 * tile + 7.5 * tile;
      Add<rt::Image>("Picture" + std::to_string(tile), rt::Rect{left + 120, 960, 2055, 1455},
                     SplitPicture(137, 97, 0xFF3060C0, 0xFFC06030), true)
          .SetToolTip("Tile " + std::to_string(tile));
      Add<rt::Shape>("Tile" + std::to_string(tile), rt::Rect{left, 840, 2295, 1695},
                     rt::Shape::Look{rt::ShapeKind::RoundedRectangle, 0x00E6E6E6, kGrey, 1});
    }
    Add<rt::Image>("Sticker", rt::Rect{600, 6000, 300, 300}, SolidPicture(20, 20, 0xFF00A000));
    Add<rt::Label>("Date", rt::Rect{4440, 7440, 3135, 615}, "Sun 12/30",
                   rt::Label::Look{rt::Font{"Arial", 26.25}, 0x00676767, rt::Alignment::Center});
    Add<rt::Line>("Rule", 0, 6480, 12000, 6480, kTeal, 2);
  }
};

// Each test runs with the screen shown at its own size and scaled, by a whole
// factor and by one that puts device pixels across screen pixels' edges.
class ScreenPainterTest : public ::testing::TestWithParam<double> {
 protected:
  ScreenPainterTest() {
    app_.RegisterForm("MiniMenu", [](rt::Application& app) { return std::make_unique<MiniMenu>(app); });
    menu_ = &app_.Get<MiniMenu>("MiniMenu");
    Frame();
  }

  // What the platform does for a frame: paint the damage, then call it painted.
  long long Frame() {
    menu_->CollectDamage();
    long long pixels = 0;
    for (const paint::PixelRect& piece : screen_.Update(*menu_, tooltip_)) pixels += 1LL * piece.width * piece.height;
    menu_->Painted();
    return pixels;
  }

  // Applies each step as one frame and checks that the kept screen matches a
  // fresh paint of the whole form, pixel for pixel. An antialiased edge that
  // crosses the border of a repainted piece may round one step differently
  // there (Cairo rasterises it cut to the piece), which nobody can see; any
  // pixel left stale or painted wrong is off by far more.
  void ExpectEveryFrameWhole(const std::string& what, int steps, const std::function<void(int)>& step) {
    for (int i = 0; i < steps; ++i) {
      step(i);
      Frame();
      const auto kept = screen_.Image().CopyPixels();
      const auto whole = paint::PaintToPixels(*menu_, tooltip_, GetParam());
      ASSERT_EQ(kept.size(), whole.size());
      const int width = screen_.Image().Width();
      for (std::size_t p = 0; p < kept.size(); ++p) {
        if (ChannelDistance(kept[p], whole[p]) <= 1) continue;
        FAIL() << what << ", step " << i + 1 << ": device pixel (" << p % width << ", " << p / width << ") is "
               << std::hex << kept[p] << " but a whole repaint gives " << whole[p];
      }
    }
  }

  void ExpectRescaledFrameWhole() {
    const double scale = screen_.Scale();
    EXPECT_EQ(Frame(), 1LL * paint::ScaledLength(800, scale) * paint::ScaledLength(600, scale));
    EXPECT_EQ(screen_.Image().CopyPixels(), paint::PaintToPixels(*menu_, tooltip_, scale)) << "at " << scale;
  }

  static int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 32; shift += 8)
      largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
  }

  template <class C>
  C& Get(std::string_view name) {
    return menu_->Get<C>(name);
  }

  FakePlatform platform_;
  rt::Application app_{platform_};
  MiniMenu* menu_ = nullptr;
  rt::Tooltip tooltip_;
  paint::ScreenPainter screen_{paint::kScreenWidth, paint::kScreenHeight, GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Scales, ScreenPainterTest, ::testing::Values(1.0, 1.5, 2.0),
                         [](const auto& info) { return "x" + std::to_string(static_cast<int>(info.param * 10)); });

TEST_P(ScreenPainterTest, AnimationsPaintedPieceByPieceMatchAWholeRepaint) {
  auto& zoom = Get<rt::PictureBox>("Zoom");
  zoom.SetVisible(true);
  ExpectEveryFrameWhole("zoom box growing around its centre", 14, [&](int) {
    zoom.SetWidth(zoom.Width() + 1000);
    zoom.SetHeight(zoom.Height() + 1000);
    zoom.SetTop(zoom.Top() - 500);
    zoom.SetLeft(zoom.Left() - 500);
  });
  ExpectEveryFrameWhole("zoom box hidden and put back", 1, [&](int) {
    zoom.SetVisible(false);
    zoom.SetWidth(255);
    zoom.SetHeight(255);
    zoom.SetLeft(5880);
    zoom.SetTop(4440);
  });

  auto& panel = Get<rt::Frame>("Panel");
  ExpectEveryFrameWhole("panel rising", 20, [&](int) { panel.SetTop(panel.Top() - 50); });

  ExpectEveryFrameWhole("tiles sliding off to the left and back", 16, [&](int i) {
    const double step = i < 8 ? -1000 : 1000;
    for (int tile = 0; tile < 4; ++tile) {
      auto& frame = Get<rt::Shape>("Tile" + std::to_string(tile));
      auto& picture = Get<rt::Image>("Picture" + std::to_string(tile));
      frame.SetLeft(frame.Left() + step);
      picture.SetLeft(picture.Left() + step);
    }
  });

  // The second swing shows pieces the first one showed; a new picture in the
  // same places must not be taken for the old one.
  auto& arrow = Get<rt::PictureBox>("Arrow");
  ExpectEveryFrameWhole("arrow swinging twice", 24, [&](int i) { arrow.SetLeft(arrow.Left() + (i % 12 < 6 ? 20 : -20)); });
  auto& sticker = Get<rt::Image>("Sticker");
  const auto swing = [&](int i) { sticker.SetLeft(sticker.Left() + (i % 4 < 2 ? 20 : -20)); };
  ExpectEveryFrameWhole("a picture swinging", 8, swing);
  sticker.SetPicture(SolidPicture(20, 20, 0xFF0000A0));
  ExpectEveryFrameWhole("another picture swinging the same way", 8, swing);
}

// Whoever shows the screen may keep a piece by its number and show it again
// by the number alone, so a number must never stand for other pixels.
TEST_P(ScreenPainterTest, APieceShownAgainHasItsNumberAndOnlyItHasIt) {
  auto& sticker = Get<rt::Image>("Sticker");
  auto& arrow = Get<rt::PictureBox>("Arrow");
  using Numbers = std::vector<std::optional<paint::PaintedPieces::Number>>;
  // Two pictures far apart swinging together: two pieces a frame.
  const auto swing = [&] {
    Numbers shown;
    for (int i = 0; i < 12; ++i) {
      sticker.SetLeft(sticker.Left() + (i < 6 ? 20 : -20));
      arrow.SetTop(arrow.Top() + (i < 6 ? 20 : -20));
      Frame();
      EXPECT_EQ(screen_.ShownPieces().size(), 2u);
      shown.insert(shown.end(), screen_.ShownPieces().begin(), screen_.ShownPieces().end());
    }
    return shown;
  };
  const Numbers first = swing();
  EXPECT_EQ(swing(), first) << "the same swing again shows the same pieces";
  EXPECT_EQ(std::set(first.begin(), first.end()).size(), first.size()) << "each piece of a swing is another";
  EXPECT_EQ(std::count(first.begin(), first.end(), std::nullopt), 0);

  sticker.SetPicture(SolidPicture(20, 20, 0xFF0000A0));
  Frame();
  const Numbers after = swing();
  const auto shownBefore = [&](const auto& number) { return std::count(first.begin(), first.end(), number) > 0; };
  EXPECT_EQ(std::count_if(after.begin(), after.end(), shownBefore), after.size() / 2)
      << "the arrow's pieces are those it showed, the new picture's are new";
  Get<rt::Label>("Date").SetCaption("Mon 12/31");
  Frame();
  EXPECT_EQ(screen_.ShownPieces(), Numbers(screen_.ShownPieces().size())) << "a new caption is painted, not kept";
}

TEST_P(ScreenPainterTest, ChangesOfLookTextPicturesAndTooltipMatchAWholeRepaint) {
  ExpectEveryFrameWhole("outlines lit and reset", 4, [&](int i) {
    auto& frame = Get<rt::Shape>("Tile" + std::to_string(i % 2));
    frame.SetBorderColor(i < 2 ? kTeal : kGrey);
    frame.SetBorderWidth(i < 2 ? 2 : 1);
  });
  auto& date = Get<rt::Label>("Date");
  ExpectEveryFrameWhole("caption and colour", 2, [&](int i) {
    if (i == 0) date.SetCaption("Wed 12/31");
    if (i == 1) date.SetForeColor(kBlack);
  });
  auto& sticker = Get<rt::Image>("Sticker");
  ExpectEveryFrameWhole("a picture at its own size grows and shrinks", 2, [&](int i) {
    sticker.SetPicture(i == 0 ? SolidPicture(90, 60, 0xFFA00000) : SolidPicture(8, 8, 0xFF0000A0));
  });
  ExpectEveryFrameWhole("tooltip comes, moves and goes", 3, [&](int i) {
    tooltip_ = i < 2 ? rt::Tooltip{true, "Tile 1", 4000.0 + 900 * i, 2000} : rt::Tooltip{};
  });
  ExpectEveryFrameWhole("line and label hidden", 1, [&](int) {
    Get<rt::Line>("Rule").SetVisible(false);
    date.SetVisible(false);
  });
  ExpectEveryFrameWhole("the ground changes colour", 1, [&](int) { menu_->SetBackColor(kBlack); });
}

// Stretched pictures are kept scaled for the next frame, but only while
// something shows them: a channel screen's screenshot must go with its screen.
TEST_P(ScreenPainterTest, AStretchedPictureLetGoIsNotKeptByThePainter) {
  auto& tile = Get<rt::Image>("Picture0");
  std::weak_ptr<const rt::Picture> shown = tile.Picture();
  tile.SetPicture(SplitPicture(137, 97, 0xFF00A000, 0xFFA000A0));
  Frame();
  EXPECT_TRUE(shown.expired()) << "the painter still holds the picture it no longer shows";
  ExpectEveryFrameWhole("a new picture drawn where the old one was", 1, [&](int) {
    tile.SetPicture(SplitPicture(137, 97, 0xFF3060C0, 0xFFC06030));
  });
}

// A pointer over a tile repaints that tile, and a growing zoom box the strip it
// newly covers, not the screen.
TEST_P(ScreenPainterTest, SmallChangesRepaintSmallAreas) {
  const double squared = GetParam() * GetParam();
  const long long screen = 1LL * screen_.Image().Width() * screen_.Image().Height();
  auto& frame = Get<rt::Shape>("Tile1");
  frame.SetBorderColor(kTeal);
  const double tileArea = 153.0 * 113 * squared;  // 2295 x 1695 twips
  EXPECT_LE(Frame(), tileArea * 13 / 10);

  auto& zoom = Get<rt::PictureBox>("Zoom");
  zoom.SetVisible(true);
  for (int tick = 0; tick < 6; ++tick) {
    zoom.SetWidth(zoom.Width() + 1000);
    zoom.SetHeight(zoom.Height() + 1000);
    zoom.SetTop(zoom.Top() - 500);
    zoom.SetLeft(zoom.Left() - 500);
    Frame();
  }
  const double side = zoom.Width() / 15 * GetParam();
  zoom.SetWidth(zoom.Width() + 1000);
  zoom.SetHeight(zoom.Height() + 1000);
  zoom.SetTop(zoom.Top() - 500);
  zoom.SetLeft(zoom.Left() - 500);
  const long long grown = Frame();
  EXPECT_LT(grown, static_cast<long long>(side * side) / 2) << "the box's inside was painted again";

  EXPECT_EQ(Frame(), 0) << "nothing changed, nothing painted";
  menu_->SetBackColor(kTeal);
  EXPECT_EQ(Frame(), screen);
}

// A change of scale paints the whole screen afresh at the new size, the
// pictures filtered anew for it.
TEST_P(ScreenPainterTest, AnotherScalePaintsEverythingAtItsSize) {
  screen_.SetScale(GetParam() + 0.25);
  ExpectRescaledFrameWhole();
  screen_.SetScale(GetParam());
  ExpectRescaledFrameWhole();
}

}  // namespace
}  // namespace quil::test
