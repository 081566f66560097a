#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "runtime/Colour.h"
#include "runtime/Font.h"
#include "runtime/Label.h"
#include "runtime/Picture.h"
#include "runtime/Shape.h"
#include "runtime/Twips.h"

namespace quil::rt {

class Form;
class Frame;
class Image;
class Line;
class PictureBox;
class Timer;

// A form's design as data: each control with the values it has when the form
// is created, and the form's timers. A form lists its controls front to back
// and builds them with Build; nothing is added to a form any other way.

struct ImageRow {
  std::string name;
  Rect rect;
  PictureRef picture = nullptr;
  bool stretch = false;
  std::string toolTip = {};
  bool visible = true;
  PictureRef mouseIcon = nullptr;  // the pointer picture the control stores
};

struct LabelRow {
  std::string name;
  Rect rect;
  std::string caption;
  Label::Look look;
  std::string toolTip = {};
  bool visible = true;
  std::string frame = {};  // the frame it is placed in, if any
};

struct ShapeRow {
  std::string name;
  Rect rect;
  Shape::Look look;
  bool visible = true;
};

struct LineRow {
  std::string name;
  double x1, y1, x2, y2;
  Colour colour = kSysWindowText;
  int widthPixels = 1;
};

struct PictureBoxRow {
  std::string name;
  Rect rect;
  Colour backColor;
  PictureRef picture = nullptr;
  int tabIndex = 0;
  std::string toolTip = {};
  bool visible = true;
};

struct FrameRow {
  std::string name;
  Rect rect;
  std::string caption;
  Font font;
  Colour backColor;
};

using ControlRow = std::variant<ImageRow, LabelRow, ShapeRow, LineRow, PictureBoxRow, FrameRow>;

struct TimerRow {
  const char* name;
  int intervalMs;
};

// Builds a form's design row by row, front to back, and hands back each
// control as what it is, so that a form names a control once, in its row, and
// holds it by its role from then on.
class Designer {
 public:
  explicit Designer(Form& form) : form_(form) {}
  Designer(const Designer&) = delete;
  Designer& operator=(const Designer&) = delete;

  Image& Add(const ImageRow& row);
  Label& Add(const LabelRow& row);
  Shape& Add(const ShapeRow& row);
  Line& Add(const LineRow& row);
  PictureBox& Add(const PictureBoxRow& row);
  Frame& Add(const FrameRow& row);
  Control& Add(const ControlRow& row);
  // Timers start disabled.
  Timer& Add(const TimerRow& row);
  // Places each label in its frame once every row is in: a frame may stand
  // behind the controls it holds.
  void Finish();

 private:
  Form& form_;
  // Each framed label with the name of its frame.
  std::vector<std::pair<Label*, std::string>> framed_;
};

// Creates the controls in the given order, the first in front, then places
// each in its frame, then adds the timers (disabled).
void Build(Form& form, std::span<const ControlRow> frontToBack, std::span<const TimerRow> timers);

}  // namespace quil::rt
