// Form1: the load, which checks the screen and sets up the black start screen.
#include <cmath>

#include "home/DateCaption.h"
#include "home/Form1.h"
#include "home/Form1Design.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Shape.h"
#include "runtime/Str.h"

namespace quil::home {
namespace {

constexpr const char* kRequiredResolution = " 800 x 600";
// Load puts the frames of pages 3 and 4 onto the columns of page 2, where the page scroll starts them from.
constexpr double kPageWidth = 13200;

}  // namespace

void Form1::Form_Load() {
  if (!ResolutionAccepted()) {
    App().MsgBox("Switch your resolution to 800x600 before running this program.", rt::MessageBoxStyle::Information,
                 "Sorry");
    App().End();
  }
  auto& warning = Image1;
  warning.SetTop(720);
  warning.SetLeft(1200);
  for (int tile = 25; tile <= design::kTileCount; ++tile)
    TileFrame(tile).SetLeft(design::TileColumnLeft(tile) + kPageWidth);
  SetWidth(13100);
  Image4.SetPicture(warning.Picture());
  CurrentPage = 0;
  ScreenCode = 1;
  Music().SetTrackNumber(1);
  PutZoomBoxAway();
  BuildDateText();
  SetBackColor(design::kIntroBackground);
  SetMouseIcon(ImageTrans.MouseIcon());
  Timer1.SetEnabled(true);
}

// The check compares pixels, whatever the twips per pixel, and goes through the
// hidden label's caption as the text it is.
bool Form1::ResolutionAccepted() {
  const rt::ScreenMetrics screen = App().Screen();
  ScreenWidthPx = static_cast<int>(std::lround(screen.widthTwips) / std::lround(screen.twipsPerPixelX));
  ScreenHeightPx = static_cast<int>(std::lround(screen.heightTwips) / std::lround(screen.twipsPerPixelY));
  auto& resolution = LabelRes;
  resolution.SetCaption(rt::Str(ScreenWidthPx) + " x" + rt::Str(ScreenHeightPx));
  return resolution.Caption() == kRequiredResolution;
}

void Form1::BuildDateText() {
  const rt::CalendarDate today = App().Today();
  WeekdayNumber = today.weekday;
  WeekdayText = WeekdayName(WeekdayNumber);
  DateText = MonthAndDay(today);
  Label1.SetCaption(WeekdayText + " " + DateText);
}

}  // namespace quil::home
