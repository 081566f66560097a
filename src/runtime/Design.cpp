#include "runtime/Design.h"

#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"

namespace quil::rt {

Image& Designer::Add(const ImageRow& row) {
  auto& image = form_.Add<Image>(row.name, row.rect, row.picture, row.stretch);
  image.SetToolTip(row.toolTip);
  image.SetMouseIcon(row.mouseIcon);
  image.SetVisible(row.visible);
  return image;
}

Label& Designer::Add(const LabelRow& row) {
  auto& label = form_.Add<Label>(row.name, row.rect, row.caption, row.look);
  label.SetToolTip(row.toolTip);
  label.SetVisible(row.visible);
  if (!row.frame.empty()) framed_.emplace_back(&label, row.frame);
  return label;
}

Shape& Designer::Add(const ShapeRow& row) {
  auto& shape = form_.Add<Shape>(row.name, row.rect, row.look);
  shape.SetVisible(row.visible);
  return shape;
}

Line& Designer::Add(const LineRow& row) {
  return form_.Add<Line>(row.name, row.x1, row.y1, row.x2, row.y2, row.colour, row.widthPixels);
}

PictureBox& Designer::Add(const PictureBoxRow& row) {
  auto& box = form_.Add<PictureBox>(row.name, row.rect, row.backColor, row.picture, row.tabIndex);
  box.SetToolTip(row.toolTip);
  box.SetVisible(row.visible);
  return box;
}

Frame& Designer::Add(const FrameRow& row) {
  return form_.Add<Frame>(row.name, row.rect, row.caption, row.font, row.backColor);
}

Control& Designer::Add(const ControlRow& row) {
  return std::visit([this](const auto& kind) -> Control& { return Add(kind); }, row);
}

Timer& Designer::Add(const TimerRow& row) { return form_.AddTimer(row.name, row.intervalMs); }

void Designer::Finish() {
  for (auto& [label, frame] : framed_) label->PlaceIn(form_.Get<Frame>(frame));
}

void Build(Form& form, std::span<const ControlRow> frontToBack, std::span<const TimerRow> timers) {
  Designer designer(form);
  for (const ControlRow& row : frontToBack) designer.Add(row);
  designer.Finish();
  for (const TimerRow& timer : timers) designer.Add(timer);
}

}  // namespace quil::rt
