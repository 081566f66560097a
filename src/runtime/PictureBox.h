#pragma once

#include "runtime/Colour.h"
#include "runtime/Control.h"
#include "runtime/Picture.h"

namespace quil::rt {

// A windowed control: a ground colour with an optional picture drawn at its own
// size from the top-left corner. The only kind that takes the keyboard focus.
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, Rect rect, Colour backColor, PictureRef picture, int tabIndex);

  Colour BackColor() const { return backColor_; }
  const PictureRef& Picture() const { return picture_; }
  int TabIndex() const { return tabIndex_; }
  bool FlatColour() const override { return !picture_; }

 private:
  Colour backColor_;
  PictureRef picture_;
  int tabIndex_;
};

}  // namespace quil::rt
