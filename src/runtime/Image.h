#pragma once

#include "runtime/Control.h"
#include "runtime/Picture.h"

namespace quil::rt {

// A windowless picture. A stretched picture fills the control; any other is
// drawn at its own size, and a picture assigned at run time resizes the
// control to it (the design's sizes stand as given). The control
// takes the pointer over its whole rectangle, transparent pixels included.
class Image : public Control {
 public:
  Image(Form& form, std::string name, Rect rect, PictureRef picture = nullptr, bool stretch = false);

  const PictureRef& Picture() const { return picture_; }
  void SetPicture(PictureRef picture);
  bool Stretch() const { return stretch_; }
  // A picture at its own size may reach past the control's rectangle.
  Rect PaintExtent() const override;

  // The pointer picture the control carries (used as a store by the forms).
  const PictureRef& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(PictureRef icon) { mouseIcon_ = std::move(icon); }

 private:
  void FitToPicture();

  PictureRef picture_;
  bool stretch_;
  PictureRef mouseIcon_;
};

}  // namespace quil::rt
