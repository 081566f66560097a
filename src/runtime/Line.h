#pragma once

#include "runtime/Colour.h"
#include "runtime/Control.h"

namespace quil::rt {

// A straight line between two points in twips; it takes no pointer events.
class Line : public Control {
 public:
  Line(Form& form, std::string name, double x1, double y1, double x2, double y2, Colour colour = kSysWindowText,
       int widthPixels = 1);

  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  Colour BorderColor() const { return colour_; }
  int BorderWidth() const { return width_; }
  // The stroke and its square ends reach past the end points.
  Rect PaintExtent() const override;

 private:
  double x1_, y1_, x2_, y2_;
  Colour colour_;
  int width_;
};

}  // namespace quil::rt
