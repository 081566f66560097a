#pragma once

#include <optional>
#include <vector>

#include "runtime/Form.h"
#include "runtime/Tooltip.h"
#include "paint/Canvas.h"
#include "paint/FormPainter.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// The picture of the screen, kept from one frame to the next. Each update
// paints only what changed since the one before: the front form's damaged
// region, and the tooltip's old and new places when it moved, came or went.
//
//   ScreenPainter screen(800, 600);
//   for (const PixelRect& piece : screen.Update(form, tooltip)) push(piece);
class ScreenPainter {
 public:
  ScreenPainter(int width, int height) : canvas_(width, height) {}

  // Paints `front` where it is damaged; the pixels painted (none when nothing
  // on the screen changed).
  std::vector<PixelRect> Update(const rt::Form& front, const rt::Tooltip& tooltip);
  const Canvas& Image() const { return canvas_; }
  void PrepareText(const rt::Font& font) { painter_.PrepareText(font); }

 private:
  Canvas canvas_;
  FormPainter painter_;
  rt::Tooltip tooltip_;
  std::optional<PixelRect> tooltipBox_;
};

}  // namespace quil::paint
