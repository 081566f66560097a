#include "paint/FormPainter.h"

#include "runtime/Frame.h"
#include "paint/CairoColour.h"
#include "paint/Canvas.h"
#include "paint/DamageRects.h"
#include "paint/PixelRect.h"
#include "paint/ScreenSize.h"

namespace quil::paint {

void FormPainter::Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth,
                        int screenHeight) {
  const PixelRect screen{0, 0, screenWidth, screenHeight};
  Paint(cr, form, tooltip, screenWidth, screenHeight, {&screen, 1});
}

void FormPainter::Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth,
                        int screenHeight, std::span<const PixelRect> area) {
  if (area.empty()) return;
  cairo_save(cr);
  for (const PixelRect& piece : area) cairo_rectangle(cr, piece.x, piece.y, piece.width, piece.height);
  cairo_clip(cr);
  SetSourceColour(cr, form.BackColor());
  cairo_paint(cr);
  PaintContents(cr, form, nullptr, area);
  if (const auto box = TooltipBox(tooltip, screenWidth, screenHeight); box && Touches(*box, area))
    tooltip_.Paint(cr, tooltip, screenWidth, screenHeight);
  cairo_restore(cr);
}

std::optional<PixelRect> FormPainter::TooltipBox(const rt::Tooltip& tooltip, int screenWidth, int screenHeight) {
  if (!tooltip.visible || tooltip.text.empty()) return std::nullopt;
  return tooltip_.Place(tooltip, screenWidth, screenHeight);
}

void FormPainter::PaintContents(cairo_t* cr, const rt::Form& form, const rt::Frame* container,
                                std::span<const PixelRect> area) {
  const auto& controls = form.Controls();
  // Controls off the screen or away from the damage are skipped, so they cost
  // nothing: no text is laid out and no picture decoded for them.
  auto inLayer = [container, area](const rt::Control& control, bool windowed) {
    return control.Container() == container && control.IsWindowed() == windowed && control.Visible() &&
           Touches(CoveringPixels(control.PaintExtent()), area);
  };
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if (inLayer(**it, false)) controls_.Paint(cr, **it);
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if (!inLayer(**it, true)) continue;
    controls_.Paint(cr, **it);
    if ((*it)->Kind() != rt::ControlKind::Frame) continue;
    const PixelRect box = ToPixels((*it)->Bounds());
    cairo_save(cr);
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    cairo_clip(cr);
    cairo_translate(cr, box.x, box.y);
    PaintContents(cr, form, static_cast<const rt::Frame*>(it->get()), area);
    cairo_restore(cr);
  }
}

std::vector<std::uint32_t> PaintToPixels(const rt::Form& form, const rt::Tooltip& tooltip) {
  Canvas canvas(kScreenWidth, kScreenHeight);
  FormPainter painter;
  painter.Paint(canvas.Context(), form, tooltip, kScreenWidth, kScreenHeight);
  return canvas.CopyPixels();
}

}  // namespace quil::paint
