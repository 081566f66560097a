#include "runtime/Design.h"

#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"

namespace quil::rt {
namespace {

// Makes one control of the design, one call per kind of row.
struct Maker {
  Form& form;

  void operator()(const ImageRow& row) const {
    auto& image = form.Add<Image>(row.name, row.rect, row.picture, row.stretch);
    image.SetToolTip(row.toolTip);
    image.SetMouseIcon(row.mouseIcon);
    image.SetVisible(row.visible);
  }
  void operator()(const LabelRow& row) const {
    auto& label = form.Add<Label>(row.name, row.rect, row.caption, row.look);
    label.SetToolTip(row.toolTip);
    label.SetVisible(row.visible);
  }
  void operator()(const ShapeRow& row) const { form.Add<Shape>(row.name, row.rect, row.look).SetVisible(row.visible); }
  void operator()(const LineRow& row) const {
    form.Add<Line>(row.name, row.x1, row.y1, row.x2, row.y2, row.colour, row.widthPixels);
  }
  void operator()(const PictureBoxRow& row) const {
    auto& box = form.Add<PictureBox>(row.name, row.rect, row.backColor, row.picture, row.tabIndex);
    box.SetToolTip(row.toolTip);
    box.SetVisible(row.visible);
  }
  void operator()(const FrameRow& row) const {
    form.Add<Frame>(row.name, row.rect, row.caption, row.font, row.backColor);
  }
};

}  // namespace

void Build(Form& form, std::span<const ControlRow> frontToBack, std::span<const TimerRow> timers) {
  for (const ControlRow& row : frontToBack) std::visit(Maker{form}, row);
  // A frame may stand behind the controls it holds, so they are placed once all exist.
  for (const ControlRow& row : frontToBack) {
    const auto* label = std::get_if<LabelRow>(&row);
    if (label && !label->frame.empty()) form.Get<Label>(label->name).PlaceIn(form.Get<Frame>(label->frame));
  }
  for (const TimerRow& timer : timers) form.AddTimer(timer.name, timer.intervalMs);
}

}  // namespace quil::rt
