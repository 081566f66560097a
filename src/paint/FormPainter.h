#pragma once

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/Form.h"
#include "runtime/Tooltip.h"
#include "paint/ControlPainter.h"
#include "paint/PixelRect.h"
#include "paint/TextPainter.h"
#include "paint/TooltipPainter.h"

namespace quil::paint {

// Paints a whole form at one screen pixel per 15 twips, back to front: the ground,
// the windowless controls, then the windowed ones (each frame with the controls
// inside it), each group from its last control in design order to its first;
// the tooltip over all. Keep one painter for the life of a window: it caches text.
class FormPainter {
 public:
  FormPainter() : controls_(text_), tooltip_(text_) {}

  // Paints the screen-sized top-left part of the form into `cr`.
  void Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth, int screenHeight);
  // Paints only `area` (pixels of the screen); nothing outside it changes, and
  // controls that do not reach into it are not drawn at all. Screen pixels are
  // user space of `cr` as the caller set it up: the device's own, or scaled
  // alike in both directions for a screen shown larger or smaller. Text and
  // shapes are drawn at the device's scale; pictures are scaled to it.
  void Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth, int screenHeight,
             std::span<const PixelRect> area);
  // Loads the text machinery and a font ahead of the first text drawn.
  void PrepareText(const rt::Font& font) { text_.Prepare(font); }
  // Lets go of the pictures kept scaled for the device: after a change of
  // scale they would never be drawn again.
  void ForgetScaledPictures() { controls_.ForgetScaledPictures(); }
  // Another form comes to the front: scaled pictures long not drawn are let go.
  void FormInFront() { controls_.FormInFront(); }
  // Where the tooltip's box lies on the screen; nothing when none is shown.
  std::optional<PixelRect> TooltipBox(const rt::Tooltip& tooltip, int screenWidth, int screenHeight);

 private:
  void PaintContents(cairo_t* cr, const rt::Form& form, const rt::Frame* container, std::span<const PixelRect> area);

  TextPainter text_;
  ControlPainter controls_;
  TooltipPainter tooltip_;
};

// The form as the 800 x 600 screen shows it, at `scale` device pixels to a
// screen pixel: premultiplied ARGB pixels, row after row. For tests and tools;
// a window keeps its own FormPainter.
std::vector<std::uint32_t> PaintToPixels(const rt::Form& form, const rt::Tooltip& tooltip = {}, double scale = 1);

}  // namespace quil::paint
