#include "runtime/Frame.h"

namespace quil::rt {

Frame::Frame(Form& form, std::string name, Rect rect, std::string caption, Font font, Colour backColor,
             Colour foreColor)
    : Control(form, ControlKind::Frame, std::move(name), rect),
      caption_(std::move(caption)),
      font_(std::move(font)),
      backColor_(backColor),
      foreColor_(foreColor) {}

}  // namespace quil::rt
