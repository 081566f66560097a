#include "channels/ChannelDesign.h"

#include <string>
#include <vector>

#include "channels/Styles.h"
#include "pictures/Pictures.h"
#include "runtime/Design.h"

namespace quil::channels::design {
namespace {

using rt::Rect;

constexpr rt::Colour kButtonCaptionGrey = 0x00676767;

rt::Label::Look Arial(double points, rt::Colour colour, rt::Alignment alignment) {
  return {rt::Font{"Arial", points, false}, colour, alignment};
}

rt::Shape::Look Filled(rt::Colour colour, rt::ShapeKind kind = rt::ShapeKind::Rectangle) {
  return {kind, colour, std::nullopt, 0};
}

rt::LabelRow ButtonCaption(const char* name, Rect rect, const char* caption) {
  return {name, rect, caption, Arial(24, kButtonCaptionGrey, rt::Alignment::Center), caption};
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

// Front to back.
std::vector<rt::ControlRow> Controls(const catalogue::Game& row) {
  const StyleRow& style = StyleOf(row.style);
  const catalogue::Departures& departs = row.departures;
  const double rulesEnd = departs.rulesEnd.value_or(3480);
  const rt::Label::Look details = Arial(15.75, style.detailsColour, rt::Alignment::Left);
  const rt::Label::Look caption = Arial(style.captionPoints, style.captionColour, rt::Alignment::Center);
  const rt::Label::Look title = Arial(26.25, kTitleWhite, rt::Alignment::Center);
  const rt::PictureRef screenshot = pictures::Picture(std::string(row.form) + "Screenshot");

  std::vector<rt::ControlRow> controls = {
      ButtonCaption("Label5", {departs.label5Left.value_or(2400), 7380, 3225, 615}, "Quil Menu"),
      ButtonCaption("Label6", {6480, 7380, 3205, 615}, "Start"),
      PointerStore("Image5", {1800, 4320, 375, 375}, "PointerBlank"),
      PointerStore("Image6", {1800, 4800, 375, 375}, "PointerHand"),
      rt::LabelRow{"Label2", Placed(departs.label2, style.captionBox), style.caption, caption},
      rt::ImageRow{"Image4", style.bannerBox, pictures::Picture(style.banner), true},
      ButtonPicture("Image2", {6240, 7200, 3690, 975}, "Start"),
      rt::LabelRow{"Label4", {360, 1800, departs.label4Width.value_or(1815), 375}, row.players, details},
      rt::LabelRow{"Label3", {360, 720, 2415, 375}, "Released  " + std::to_string(row.year), details},
      rt::LineRow{"Line6", 0, 2160, rulesEnd, 2160, style.rules},
      rt::LineRow{"Line5", 0, 1080, rulesEnd, 1080, style.rules},
      rt::ImageRow{"Image3", Placed(departs.image3, kScreenshotBox), screenshot, false, {}, false},
      rt::ShapeRow{"Shape3", {-120, 3460, style.thinBandWidth, 495}, Filled(style.thinBand)},
      rt::LabelRow{"Label1", Placed(departs.label1, {3720, 5040, 4890, 735}), row.title, title, {}, false},
      rt::ShapeRow{"Shape2", {0, 3945, style.titleBandWidth, 2655}, Filled(style.titleBand)},
      ButtonPicture("Image1", {2160, 7200, 3690, 975}, "Quil Menu"),
      rt::LineRow{"Line1", -120, 6600, 12000, 6600, rt::kSysWindowText, 2},
  };
  if (style.darkPanel) controls.push_back(rt::ShapeRow{"Shape4", {-120, 600, 12150, 2880}, Filled(kDarkPanel)});
  controls.push_back(
      rt::ShapeRow{"Shape1", {-10, -525, 12080, 9525}, Filled(kPageGrey, rt::ShapeKind::RoundedRectangle)});
  return controls;
}

}  // namespace

void Build(rt::Form& form, const catalogue::Game& row) { rt::Build(form, Controls(row), kTimers); }

std::vector<std::string_view> PageControls(catalogue::Style style) {
  std::vector<std::string_view> page = {"Image1", "Image2", "Image3", "Label1", "Label2",
                                        "Line1",  "Shape1", "Shape2", "Shape3"};
  if (StyleOf(style).darkPanel) page.push_back("Shape4");
  page.insert(page.end(), {"Label3", "Label4", "Line5", "Line6", "Image4", "Label5", "Label6"});
  return page;
}

}  // namespace quil::channels::design
