#include "shell/sdl/FormPainter.h"

#include "shell/runtime/Frame.h"
#include "shell/sdl/CairoColour.h"
#include "shell/sdl/Canvas.h"
#include "shell/sdl/PixelRect.h"
#include "shell/sdl/ScreenSize.h"

namespace quil::paint {

void FormPainter::Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth,
                        int screenHeight) {
  cairo_save(cr);
  cairo_reset_clip(cr);
  cairo_identity_matrix(cr);
  SetSourceColour(cr, form.BackColor());
  cairo_paint(cr);
  PaintContents(cr, form, nullptr);
  tooltip_.Paint(cr, tooltip, screenWidth, screenHeight);
  cairo_restore(cr);
}

void FormPainter::PaintContents(cairo_t* cr, const rt::Form& form, const rt::Frame* container) {
  const auto& controls = form.Controls();
  auto inLayer = [container](const rt::Control& control, bool windowed) {
    return control.Container() == container && control.IsWindowed() == windowed && control.Visible();
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
    PaintContents(cr, form, static_cast<const rt::Frame*>(it->get()));
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
