#include "paint/TooltipPainter.h"

#include <algorithm>

#include "paint/CairoColour.h"

namespace quil::paint {
namespace {

const rt::Font kTooltipFont{"Arial", 8};
constexpr rt::Colour kTooltipGround = rt::SystemColour(24);
constexpr rt::Colour kTooltipText = rt::SystemColour(23);
constexpr rt::Colour kTooltipEdge = rt::SystemColour(21);
// Below the pointer far enough to clear the pointer picture's hand.
constexpr int kBelowPointer = 20;
constexpr int kPaddingX = 3;
constexpr int kPaddingY = 2;

}  // namespace

TextBlock TooltipPainter::Text(const rt::Tooltip& tooltip) { return text_.Layout(tooltip.text, kTooltipFont); }

PixelRect TooltipPainter::Place(const rt::Tooltip& tooltip, int screenWidth, int screenHeight) {
  const TextBlock text = Text(tooltip);
  const int width = text.width + 2 * kPaddingX + 2;
  const int height = text.height + 2 * kPaddingY + 2;
  const int pointerX = TwipsToWholePixels(tooltip.x);
  const int pointerY = TwipsToWholePixels(tooltip.y);
  int y = pointerY + kBelowPointer;
  // Near the bottom edge the box goes above the pointer rather than over it.
  if (y + height > screenHeight) y = pointerY - height - 2;
  return {std::clamp(pointerX, 0, std::max(0, screenWidth - width)), std::clamp(y, 0, std::max(0, screenHeight - height)),
          width, height};
}

void TooltipPainter::Paint(cairo_t* cr, const rt::Tooltip& tooltip, int screenWidth, int screenHeight) {
  if (!tooltip.visible || tooltip.text.empty()) return;
  const PixelRect box = Place(tooltip, screenWidth, screenHeight);
  cairo_save(cr);
  SetSourceColour(cr, kTooltipGround);
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  cairo_fill(cr);
  SetSourceColour(cr, kTooltipEdge);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, box.x + 0.5, box.y + 0.5, box.width - 1, box.height - 1);
  cairo_stroke(cr);
  TextPainter::Show(cr, Text(tooltip), box.x + 1 + kPaddingX, box.y + 1 + kPaddingY, kTooltipText);
  cairo_restore(cr);
}

}  // namespace quil::paint
