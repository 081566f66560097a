#include "channels/ChannelDesign.h"

#include <string>

#include "channels/Styles.h"
#include "pictures/Pictures.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/Shape.h"

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

void ButtonCaption(rt::Form& form, const char* name, Rect rect, const char* caption) {
  form.Add<rt::Label>(name, rect, caption, Arial(24, kButtonCaptionGrey, rt::Alignment::Center)).SetToolTip(caption);
}

void ButtonPicture(rt::Form& form, const char* name, Rect rect, const char* toolTip) {
  form.Add<rt::Image>(name, rect, pictures::Picture("ChannelButton"), true).SetToolTip(toolTip);
}

// A hidden picture that only carries a pointer picture for the screen to take.
void PointerStore(rt::Form& form, const char* name, Rect rect, const char* picture) {
  auto& store = form.Add<rt::Image>(name, rect, pictures::Picture(picture));
  store.SetMouseIcon(pictures::Picture(picture));
  store.SetVisible(false);
}

// The departure's box where the screen has one, else the template's.
Rect Placed(const std::optional<catalogue::TwipsRect>& departure, Rect templateBox) {
  return departure ? Rect{departure->left, departure->top, departure->width, departure->height} : templateBox;
}

}  // namespace

void Build(rt::Form& form, const catalogue::Game& row) {
  const StyleRow& style = StyleOf(row.style);
  const catalogue::Departures& departs = row.departures;
  const double rulesEnd = departs.rulesEnd.value_or(3480);
  const rt::Label::Look details = Arial(15.75, style.detailsColour, rt::Alignment::Left);

  // Front to back.
  ButtonCaption(form, "Label5", {departs.label5Left.value_or(2400), 7380, 3225, 615}, "Quil Menu");
  ButtonCaption(form, "Label6", {6480, 7380, 3205, 615}, "Start");
  PointerStore(form, "Image5", {1800, 4320, 375, 375}, "PointerBlank");
  PointerStore(form, "Image6", {1800, 4800, 375, 375}, "PointerHand");
  form.Add<rt::Label>("Label2", Placed(departs.label2, style.captionBox), style.caption,
                      Arial(style.captionPoints, style.captionColour, rt::Alignment::Center));
  form.Add<rt::Image>("Image4", style.bannerBox, pictures::Picture(style.banner), true);
  ButtonPicture(form, "Image2", {6240, 7200, 3690, 975}, "Start");
  form.Add<rt::Label>("Label4", Rect{360, 1800, departs.label4Width.value_or(1815), 375}, row.players, details);
  form.Add<rt::Label>("Label3", Rect{360, 720, 2415, 375}, "Released  " + std::to_string(row.year), details);
  form.Add<rt::Line>("Line6", 0, 2160, rulesEnd, 2160, style.rules);
  form.Add<rt::Line>("Line5", 0, 1080, rulesEnd, 1080, style.rules);
  form.Add<rt::Image>("Image3", Placed(departs.image3, kScreenshotBox),
                      pictures::Picture(std::string(row.form) + "Screenshot"))
      .SetVisible(false);
  form.Add<rt::Shape>("Shape3", Rect{-120, 3460, style.thinBandWidth, 495}, Filled(style.thinBand));
  form.Add<rt::Label>("Label1", Placed(departs.label1, {3720, 5040, 4890, 735}), row.title,
                      Arial(26.25, kTitleWhite, rt::Alignment::Center))
      .SetVisible(false);
  form.Add<rt::Shape>("Shape2", Rect{0, 3945, style.titleBandWidth, 2655}, Filled(style.titleBand));
  ButtonPicture(form, "Image1", {2160, 7200, 3690, 975}, "Quil Menu");
  form.Add<rt::Line>("Line1", -120, 6600, 12000, 6600, rt::kSysWindowText, 2);
  if (style.darkPanel) form.Add<rt::Shape>("Shape4", Rect{-120, 600, 12150, 2880}, Filled(kDarkPanel));
  form.Add<rt::Shape>("Shape1", Rect{-10, -525, 12080, 9525}, Filled(kPageGrey, rt::ShapeKind::RoundedRectangle));

  for (const TimerRow& timer : kTimers) form.AddTimer(timer.name, timer.intervalMs);
}

std::vector<std::string_view> PageControls(catalogue::Style style) {
  std::vector<std::string_view> page = {"Image1", "Image2", "Image3", "Label1", "Label2", "Line1",
                                        "Shape1", "Shape2", "Shape3"};
  if (StyleOf(style).darkPanel) page.push_back("Shape4");
  page.insert(page.end(), {"Label3", "Label4", "Line5", "Line6", "Image4", "Label5", "Label6"});
  return page;
}

}  // namespace quil::channels::design
