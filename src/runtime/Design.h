#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "runtime/Colour.h"
#include "runtime/Font.h"
#include "runtime/Label.h"
#include "runtime/Picture.h"
#include "runtime/Shape.h"
#include "runtime/Twips.h"

namespace quil::rt {

class Form;

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

// Creates the controls in the given order, the first in front, then places
// each in its frame, then adds the timers (disabled).
void Build(Form& form, std::span<const ControlRow> frontToBack, std::span<const TimerRow> timers);

}  // namespace quil::rt
