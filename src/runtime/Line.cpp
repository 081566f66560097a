#include "runtime/Line.h"

#include <algorithm>
#include <cmath>

namespace quil::rt {

Line::Line(Form& form, std::string name, double x1, double y1, double x2, double y2, Colour colour, int widthPixels)
    : Control(form, ControlKind::Line, std::move(name),
              Rect{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)}),
      x1_(x1), y1_(y1), x2_(x2), y2_(y2), colour_(colour), width_(widthPixels) {}

Rect Line::PaintExtent() const {
  const Rect bounds = FormBounds();
  const double reach = PixelsToTwips(width_);
  return {bounds.left - reach, bounds.top - reach, bounds.width + 2 * reach, bounds.height + 2 * reach};
}

}  // namespace quil::rt
