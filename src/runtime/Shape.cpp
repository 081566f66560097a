#include "runtime/Shape.h"

namespace quil::rt {

Shape::Shape(Form& form, std::string name, Rect rect, Look look)
    : Control(form, ControlKind::Shape, std::move(name), rect), look_(look) {}

void Shape::SetBorderColor(Colour colour) {
  if (look_.border == colour) return;
  look_.border = colour;
  Changed();
}

void Shape::SetBorderWidth(int pixels) {
  if (pixels == look_.borderWidth) return;
  look_.borderWidth = pixels;
  Changed();
}

}  // namespace quil::rt
