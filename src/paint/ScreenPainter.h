#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "runtime/Form.h"
#include "runtime/Tooltip.h"
#include "paint/Canvas.h"
#include "paint/FormPainter.h"
#include "paint/PaintedPieces.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// The picture of the screen, kept from one frame to the next. Each update
// paints only what changed since the one before: the front form's damaged
// region, and the tooltip's old and new places when it moved, came or went.
// The screen may be shown at any scale: the picture is then drawn at the
// device's size, not enlarged from the screen's. A small piece that shows
// only pictures as it showed them before is copied from then (PaintedPieces).
//
//   ScreenPainter screen(800, 600, 1.5);  // a picture of 1200 x 900
//   for (const PixelRect& piece : screen.Update(form, tooltip)) push(piece);
class ScreenPainter {
 public:
  ScreenPainter(int width, int height, double scale = 1);

  // Paints `front` where it is damaged; the device pixels painted (none when
  // nothing on the screen changed).
  std::vector<PixelRect> Update(const rt::Form& front, const rt::Tooltip& tooltip);
  const Canvas& Image() const { return *canvas_; }
  // For each piece the last update painted, in its order, the number of the
  // kept piece it shows, nothing for a piece not kept: whoever shows the
  // screen may keep those pixels too, and show them again by the number alone.
  const std::vector<std::optional<PaintedPieces::Number>>& ShownPieces() const { return shownPieces_; }
  double Scale() const { return scale_; }
  // A picture of the screen at another scale, painted whole by the next update.
  void SetScale(double scale);
  void PrepareText(const rt::Font& font) { painter_.PrepareText(font); }

 private:
  // Paints the one piece, or copies it from when it showed the same; the
  // number of the kept piece it shows.
  std::optional<PaintedPieces::Number> PaintPiece(const rt::Form& front, const rt::Tooltip& tooltip,
                                                  const PixelRect& area);

  int width_;
  int height_;
  double scale_ = 1;
  std::unique_ptr<Canvas> canvas_;
  bool whole_ = true;
  FormPainter painter_;
  PaintedPieces pieces_;
  std::vector<std::optional<PaintedPieces::Number>> shownPieces_;
  const rt::Form* paintedForm_ = nullptr;
  rt::Tooltip tooltip_;
  std::optional<PixelRect> tooltipBox_;
};

}  // namespace quil::paint
