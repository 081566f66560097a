#pragma once

#include <optional>

#include "runtime/Colour.h"
#include "runtime/Control.h"

namespace quil::rt {

enum class ShapeKind { Rectangle, RoundedRectangle, Oval, Circle };

// A drawn figure. Shapes take no pointer events: a transparent label of the
// same size lies over a shape that has to react.
class Shape : public Control {
 public:
  struct Look {
    ShapeKind kind = ShapeKind::Rectangle;
    std::optional<Colour> fill;         // none: the ground shows through
    std::optional<Colour> border = kSysWindowText;  // none: no outline
    int borderWidth = 1;                // pixels
  };

  Shape(Form& form, std::string name, Rect rect, Look look);

  ShapeKind Figure() const { return look_.kind; }
  const std::optional<Colour>& Fill() const { return look_.fill; }
  const std::optional<Colour>& BorderColor() const { return look_.border; }
  void SetBorderColor(Colour colour);
  int BorderWidth() const { return look_.borderWidth; }
  void SetBorderWidth(int pixels);

 private:
  Look look_;
};

}  // namespace quil::rt
