#pragma once

#include <cairo.h>

#include "runtime/MessageBox.h"
#include "paint/DeviceScale.h"
#include "paint/PixelRect.h"
#include "paint/TextPainter.h"

namespace quil::paint {

// The face of a message box: title bar, icon, prompt and an OK button, laid
// out to fit the prompt. The box has no window decoration of its own.
// It is laid out in its own pixels and drawn `scale` device pixels to each,
// at the device's resolution, as the screen it belongs to is shown.
class MessageBoxPainter {
 public:
  MessageBoxPainter(TextPainter& text, rt::MessageBoxRequest message, double scale = 1);

  // The layout, in the box's own pixels.
  int Width() const { return width_; }
  int Height() const { return height_; }
  const PixelRect& OkButton() const { return okButton_; }
  const PixelRect& Icon() const { return icon_; }

  double Scale() const { return scale_; }
  void SetScale(double scale) { scale_ = scale; }
  // The box's size on the device.
  int DeviceWidth() const { return ScaledLength(width_, scale_); }
  int DeviceHeight() const { return ScaledLength(height_, scale_); }
  // Whether the device pixel shows part of the OK button.
  bool OnOkButton(int x, int y) const { return okButton_.Contains(ScreenPixelAt(x, scale_), ScreenPixelAt(y, scale_)); }

  // Paints the whole box on a context of the device's pixels.
  void Paint(cairo_t* cr, bool okPressed);

 private:
  TextBlock Prompt();
  TextBlock Title();
  void PaintTitleBar(cairo_t* cr);
  void PaintButton(cairo_t* cr, bool pressed);

  TextPainter& text_;
  rt::MessageBoxRequest message_;
  double scale_;
  int width_ = 0;
  int height_ = 0;
  int titleHeight_ = 0;
  PixelRect icon_;
  PixelRect prompt_;
  PixelRect okButton_;
};

}  // namespace quil::paint
