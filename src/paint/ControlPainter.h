#pragma once

#include <cairo.h>

#include "runtime/Control.h"
#include "paint/ScaledPictures.h"
#include "paint/TextPainter.h"

namespace quil::rt {
class Frame;
class Image;
class Label;
class Line;
class PictureBox;
class Shape;
}  // namespace quil::rt

namespace quil::paint {

// Draws one control at its place in its container's coordinates (pixels, the
// container's top-left corner at the origin). A frame's own look only; the
// controls inside it are the form painter's business.
class ControlPainter {
 public:
  explicit ControlPainter(TextPainter& text) : text_(text) {}

  void Paint(cairo_t* cr, const rt::Control& control);
  void ForgetScaledPictures() { scaled_.Clear(); }
  void FormInFront() { scaled_.FormInFront(); }

 private:
  void PaintImage(cairo_t* cr, const rt::Image& image);
  void PaintLabel(cairo_t* cr, const rt::Label& label);
  void PaintShape(cairo_t* cr, const rt::Shape& shape);
  void PaintLine(cairo_t* cr, const rt::Line& line);
  void PaintPictureBox(cairo_t* cr, const rt::PictureBox& box);
  void PaintFrame(cairo_t* cr, const rt::Frame& frame);

  TextPainter& text_;
  ScaledPictures scaled_;
};

}  // namespace quil::paint
