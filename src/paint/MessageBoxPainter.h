#pragma once

#include <cairo.h>

#include "runtime/MessageBox.h"
#include "paint/PixelRect.h"
#include "paint/TextPainter.h"

namespace quil::paint {

// The face of a message box: title bar, icon, prompt and an OK button, laid
// out to fit the prompt. The box has no window decoration of its own.
class MessageBoxPainter {
 public:
  MessageBoxPainter(TextPainter& text, rt::MessageBoxRequest message);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const PixelRect& OkButton() const { return okButton_; }
  const PixelRect& Icon() const { return icon_; }

  void Paint(cairo_t* cr, bool okPressed);

 private:
  TextBlock Prompt();
  TextBlock Title();
  void PaintTitleBar(cairo_t* cr);
  void PaintButton(cairo_t* cr, bool pressed);

  TextPainter& text_;
  rt::MessageBoxRequest message_;
  int width_ = 0;
  int height_ = 0;
  int titleHeight_ = 0;
  PixelRect icon_;
  PixelRect prompt_;
  PixelRect okButton_;
};

}  // namespace quil::paint
