#include "channels/ChannelDesign.h"

#include <string>
#include <utility>
#include <vector>

#include "catalogue/Colours.h"
#include "channels/Styles.h"
#include "pictures/Pictures.h"
#include "runtime/Design.h"
#include "runtime/Line.h"
#include "runtime/Shape.h"

namespace quil::channels::design {
namespace {

using rt::Rect;


rt::Label::Look Arial(double points, rt::Colour colour, rt::Alignment alignment) {
  return {rt::Font{"Arial", points, false}, colour, alignment};
}

rt::Shape::Look Filled(rt::Colour colour, rt::ShapeKind kind = rt::ShapeKind::Rectangle) {
  return {kind, colour, std::nullopt, 0};
}

rt::LabelRow ButtonCaption(const char* name, Rect rect, const char* caption) {
  return {name, rect, caption, Arial(24, catalogue::colours::kCaptionGrey, rt::Alignment::Center), caption};
}

rt::ImageRow ButtonPicture(const char* name, Rect rect, const char* toolTip) {
  return {name, rect, pictures::Picture("ChannelButton"), true, toolTip};
}

// A hidden picture that only carries a pointer picture for the screen to take.
rt::ImageRow PointerStore(const char* name, Rect rect, const char* picture) {
  return {name, rect, pictures::Picture(picture), false, {}, false, pictures::Picture(picture)};
}

// The departure's box where the screen has one, else the template's.
Rect Placed(const std::optional<catalogue::TwipsRect>& departure, Rect templateBox) {
  return departure ? Rect{departure->left, departure->top, departure->width, departure->height} : templateBox;
}

}  // namespace

// Front to back.
ScreenControls Build(rt::Form& form, const ChannelPage& shown) {
  const StyleRow& style = *shown.style;
  const catalogue::Departures& departs = shown.departures;
  const double rulesEnd = departs.rulesEnd.value_or(3480);
  const rt::Label::Look details = Arial(15.75, style.detailsColour, rt::Alignment::Left);
  const rt::Label::Look caption = Arial(style.captionPoints, style.captionColour, rt::Alignment::Center);
  const rt::Label::Look titleLook = Arial(26.25, kTitleWhite, rt::Alignment::Center);

  rt::Designer d(form);
  auto& menuCaption = d.Add(ButtonCaption("Label5", {departs.label5Left.value_or(2400), 7380, 3225, 615}, "Quil Menu"));
  auto& startCaption = d.Add(ButtonCaption("Label6", {6480, 7380, 3205, 615}, "Start"));
  auto& blankPointer = d.Add(PointerStore("Image5", {1800, 4320, 375, 375}, "PointerBlank"));
  auto& handPointer = d.Add(PointerStore("Image6", {1800, 4800, 375, 375}, "PointerHand"));
  auto& platform = d.Add(rt::LabelRow{"Label2", Placed(departs.label2, style.captionBox), shown.caption, caption});
  auto& banner = d.Add(rt::ImageRow{"Image4", style.bannerBox, pictures::Picture(style.banner), true});
  auto& startButton = d.Add(ButtonPicture("Image2", {6240, 7200, 3690, 975}, "Start"));
  auto& players =
      d.Add(rt::LabelRow{"Label4", {360, 1800, departs.label4Width.value_or(1815), 375}, shown.players, details});
  auto& released =
      d.Add(rt::LabelRow{"Label3", {360, 720, 2415, 375}, shown.released, details});
  auto& lowerRule = d.Add(rt::LineRow{"Line6", 0, 2160, rulesEnd, 2160, style.rules});
  auto& upperRule = d.Add(rt::LineRow{"Line5", 0, 1080, rulesEnd, 1080, style.rules});
  auto& screenshot =
      d.Add(rt::ImageRow{"Image3", Placed(departs.image3, kScreenshotBox), shown.screenshot, false, {}, false});
  auto& thinBand = d.Add(rt::ShapeRow{"Shape3", {-120, 3460, style.thinBandWidth, 495}, Filled(style.thinBand)});
  auto& title = d.Add(
      rt::LabelRow{"Label1", Placed(departs.label1, {3720, 5040, 4890, 735}), shown.title, titleLook, {}, false});
  auto& titleBand = d.Add(rt::ShapeRow{"Shape2", {0, 3945, style.titleBandWidth, 2655}, Filled(style.titleBand)});
  auto& menuButton = d.Add(ButtonPicture("Image1", {2160, 7200, 3690, 975}, "Quil Menu"));
  auto& buttonRule = d.Add(rt::LineRow{"Line1", -120, 6600, 12000, 6600, rt::kSysWindowText, 2});
  rt::Shape* darkPanel =
      style.darkPanel ? &d.Add(rt::ShapeRow{"Shape4", {-120, 600, 12150, 2880}, Filled(kDarkPanel)}) : nullptr;
  auto& ground =
      d.Add(rt::ShapeRow{"Shape1", {-10, -525, 12080, 9525}, Filled(kPageGrey, rt::ShapeKind::RoundedRectangle)});
  d.Finish();

  std::vector<rt::Control*> page;
  for (rt::Control* control : std::initializer_list<rt::Control*>{&menuButton, &startButton, &screenshot, &title,
                                                                   &platform, &buttonRule, &ground, &titleBand,
                                                                   &thinBand, darkPanel, &released, &players,
                                                                   &upperRule, &lowerRule, &banner, &menuCaption,
                                                                   &startCaption})
    if (control) page.push_back(control);
  return ScreenControls{
      .menuButton = menuButton,
      .menuCaption = menuCaption,
      .startButton = startButton,
      .startCaption = startCaption,
      .screenshot = screenshot,
      .title = title,
      .blankPointer = blankPointer,
      .handPointer = handPointer,
      .page = std::move(page),
      .titleDelay = d.Add(rt::TimerRow{"Timer1", 100}),
      .hoverHoldOff = d.Add(rt::TimerRow{"Timer2", 2000}),
      .pointerDelay = d.Add(rt::TimerRow{"Timer3", 500}),
      .startLockOut = d.Add(rt::TimerRow{"TimerStart", 1500}),
  };
}

}  // namespace quil::channels::design
