#include "paint/FormPainter.h"

#include "runtime/Frame.h"
#include "paint/CairoColour.h"
#include "paint/Canvas.h"
#include "paint/DamageRects.h"
#include "paint/DeviceScale.h"
#include "paint/PixelRect.h"
#include "paint/ScreenSize.h"

namespace quil::paint {
namespace {

// Clips `cr` to `area` rounded out to whole device pixels, so that no device
// pixel at the area's edge is left half painted, and returns the screen
// pixels those device pixels show: the area to paint.
std::vector<PixelRect> ClipToDevicePixels(cairo_t* cr, std::span<const PixelRect> area) {
  cairo_matrix_t screen;
  cairo_get_matrix(cr, &screen);
  const double scale = screen.xx;
  std::vector<PixelRect> reached;
  reached.reserve(area.size());
  cairo_identity_matrix(cr);
  for (const PixelRect& piece : area) {
    const PixelRect device = ScaledOutward(piece, scale);
    cairo_rectangle(cr, device.x, device.y, device.width, device.height);
    reached.push_back(UnscaledOutward(device, scale));
  }
  cairo_clip(cr);
  cairo_set_matrix(cr, &screen);
  return reached;
}

}  // namespace

void FormPainter::Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth,
                        int screenHeight) {
  const PixelRect screen{0, 0, screenWidth, screenHeight};
  Paint(cr, form, tooltip, screenWidth, screenHeight, {&screen, 1});
}

void FormPainter::Paint(cairo_t* cr, const rt::Form& form, const rt::Tooltip& tooltip, int screenWidth,
                        int screenHeight, std::span<const PixelRect> area) {
  if (area.empty()) return;
  cairo_save(cr);
  const std::vector<PixelRect> reached = ClipToDevicePixels(cr, area);
  SetSourceColour(cr, form.BackColor());
  cairo_paint(cr);
  PaintContents(cr, form, nullptr, reached);
  if (const auto box = TooltipBox(tooltip, screenWidth, screenHeight); box && Touches(*box, reached))
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

std::vector<std::uint32_t> PaintToPixels(const rt::Form& form, const rt::Tooltip& tooltip, double scale) {
  Canvas canvas(ScaledLength(kScreenWidth, scale), ScaledLength(kScreenHeight, scale));
  cairo_scale(canvas.Context(), scale, scale);
  FormPainter painter;
  painter.Paint(canvas.Context(), form, tooltip, kScreenWidth, kScreenHeight);
  return canvas.CopyPixels();
}

}  // namespace quil::paint
