#include "paint/ControlPainter.h"

#include <algorithm>

#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "paint/CairoColour.h"
#include "paint/DeviceScale.h"
#include "paint/PixelRect.h"
#include "paint/ShapePath.h"
#include "paint/TransportSymbol.h"

namespace quil::paint {
namespace {

// The classic etched group-box edge.
constexpr rt::Colour kEdgeShadow = rt::SystemColour(16);
constexpr rt::Colour kEdgeHighlight = rt::SystemColour(20);
// Where a frame's caption starts, from the frame's left edge.
constexpr int kCaptionIndent = 8;

void FillRect(cairo_t* cr, const PixelRect& box, rt::Colour colour) {
  SetSourceColour(cr, colour);
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  cairo_fill(cr);
}

void ClipTo(cairo_t* cr, const PixelRect& box) {
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  cairo_clip(cr);
}

// A one-pixel outline through the pixels from (left, top) to (right, bottom) inclusive.
void OutlinePixels(cairo_t* cr, int left, int top, int right, int bottom, rt::Colour colour) {
  SetSourceColour(cr, colour);
  FillOnDevicePixels(cr, left, top, right + 1, top + 1);
  FillOnDevicePixels(cr, left, bottom, right + 1, bottom + 1);
  FillOnDevicePixels(cr, left, top + 1, left + 1, bottom);
  FillOnDevicePixels(cr, right, top + 1, right + 1, bottom);
}

// A picture that is not stretched keeps its own size from the box's corner.
PixelRect AtOwnSize(const rt::Picture& picture, const PixelRect& box) {
  return {box.x, box.y, picture.Width(), picture.Height()};
}

}  // namespace

void ControlPainter::Paint(cairo_t* cr, const rt::Control& control) {
  cairo_save(cr);
  switch (control.Kind()) {
    case rt::ControlKind::Image: PaintImage(cr, static_cast<const rt::Image&>(control)); break;
    case rt::ControlKind::Label: PaintLabel(cr, static_cast<const rt::Label&>(control)); break;
    case rt::ControlKind::Shape: PaintShape(cr, static_cast<const rt::Shape&>(control)); break;
    case rt::ControlKind::Line: PaintLine(cr, static_cast<const rt::Line&>(control)); break;
    case rt::ControlKind::PictureBox: PaintPictureBox(cr, static_cast<const rt::PictureBox&>(control)); break;
    case rt::ControlKind::Frame: PaintFrame(cr, static_cast<const rt::Frame&>(control)); break;
  }
  cairo_restore(cr);
}

void ControlPainter::PaintImage(cairo_t* cr, const rt::Image& image) {
  if (!image.Picture()) return;
  const PixelRect box = ToPixels(image.Bounds());
  scaled_.Draw(cr, image.Picture(), image.Stretch() ? box : AtOwnSize(*image.Picture(), box));
}

void ControlPainter::PaintLabel(cairo_t* cr, const rt::Label& label) {
  const PixelRect box = ToPixels(label.Bounds());
  const rt::Label::Look& look = label.Appearance();
  ClipTo(cr, box);
  if (look.opaque) FillRect(cr, box, look.backColor);
  if (label.Caption().empty()) return;
  if (IsSymbolFont(look.font) && DrawTransportSymbol(cr, label.Caption(), look.font, box, look.foreColor)) return;
  const TextBlock text = text_.Layout(label.Caption(), look.font, box.width, look.alignment);
  TextPainter::Show(cr, text, box.x, box.y, look.foreColor);
}

void ControlPainter::PaintShape(cairo_t* cr, const rt::Shape& shape) {
  const PixelRect box = ToPixels(shape.Bounds());
  if (shape.Fill()) {
    SetShapePath(cr, shape.Figure(), box.x, box.y, box.width, box.height);
    SetSourceColour(cr, *shape.Fill());
    cairo_fill(cr);
  }
  const int border = shape.BorderWidth();
  if (!shape.BorderColor() || border <= 0) return;
  // The outline lies inside the rectangle: its stroke runs half a width in.
  const double inset = border / 2.0;
  SetShapePath(cr, shape.Figure(), box.x + inset, box.y + inset, box.width - border, box.height - border);
  SetSourceColour(cr, *shape.BorderColor());
  cairo_set_line_width(cr, border);
  cairo_stroke(cr);
}

void ControlPainter::PaintLine(cairo_t* cr, const rt::Line& line) {
  const int width = line.BorderWidth();
  if (width <= 0) return;
  // An odd width centred on a pixel's middle covers whole pixels.
  const double centre = width % 2 ? 0.5 : 0.0;
  const double x1 = TwipsToWholePixels(line.X1()) + centre, y1 = TwipsToWholePixels(line.Y1()) + centre;
  const double x2 = TwipsToWholePixels(line.X2()) + centre, y2 = TwipsToWholePixels(line.Y2()) + centre;
  SetSourceColour(cr, line.BorderColor());
  // Square ends reach half the width past the end points.
  const double half = width / 2.0;
  if (x1 == x2 || y1 == y2) {
    FillOnDevicePixels(cr, std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half,
                       std::max(y1, y2) + half);
    return;
  }
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_stroke(cr);
}

void ControlPainter::PaintPictureBox(cairo_t* cr, const rt::PictureBox& pictureBox) {
  const PixelRect box = ToPixels(pictureBox.Bounds());
  ClipTo(cr, box);
  FillRect(cr, box, pictureBox.BackColor());
  if (pictureBox.Picture()) scaled_.Draw(cr, pictureBox.Picture(), AtOwnSize(*pictureBox.Picture(), box));
}

void ControlPainter::PaintFrame(cairo_t* cr, const rt::Frame& frame) {
  const PixelRect box = ToPixels(frame.Bounds());
  ClipTo(cr, box);
  FillRect(cr, box, frame.BackColor());

  const std::string& caption = frame.Caption();
  // An empty caption still leaves the edge where a caption's middle would be.
  const TextBlock text = text_.Layout(caption.empty() ? " " : caption, frame.CaptionFont());
  const int edgeTop = box.y + text.height / 2;
  const int right = box.x + box.width - 1;
  const int bottom = box.y + box.height - 1;
  OutlinePixels(cr, box.x + 1, edgeTop + 1, right, bottom, kEdgeHighlight);
  OutlinePixels(cr, box.x, edgeTop, right - 1, bottom - 1, kEdgeShadow);

  if (caption.empty()) return;
  const PixelRect ground{box.x + kCaptionIndent - 2, box.y, text.width + 4, text.height};
  FillRect(cr, ground, frame.BackColor());
  TextPainter::Show(cr, text, box.x + kCaptionIndent, box.y, frame.ForeColor());
}

}  // namespace quil::paint
