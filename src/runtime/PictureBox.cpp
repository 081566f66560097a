#include "runtime/PictureBox.h"

namespace quil::rt {

PictureBox::PictureBox(Form& form, std::string name, Rect rect, Colour backColor, PictureRef picture, int tabIndex)
    : Control(form, ControlKind::PictureBox, std::move(name), rect),
      backColor_(backColor),
      picture_(std::move(picture)),
      tabIndex_(tabIndex) {}

}  // namespace quil::rt
