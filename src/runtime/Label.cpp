#include "runtime/Label.h"

namespace quil::rt {

Label::Label(Form& form, std::string name, Rect rect, std::string caption, Look look)
    : Control(form, ControlKind::Label, std::move(name), rect), caption_(std::move(caption)), look_(std::move(look)) {}

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed();
}

void Label::SetForeColor(Colour colour) {
  if (colour == look_.foreColor) return;
  look_.foreColor = colour;
  Changed();
}

}  // namespace quil::rt
