#include "paint/ScreenPainter.h"

#include "paint/DamageRects.h"

namespace quil::paint {
namespace {

bool SameTooltip(const rt::Tooltip& a, const rt::Tooltip& b) {
  return a.visible == b.visible && (!a.visible || (a.text == b.text && a.x == b.x && a.y == b.y));
}

}  // namespace

std::vector<PixelRect> ScreenPainter::Update(const rt::Form& front, const rt::Tooltip& tooltip) {
  const int width = canvas_.Width();
  const int height = canvas_.Height();
  std::vector<PixelRect> area = DamagedPixels(front.Damage(), width, height);
  if (!SameTooltip(tooltip, tooltip_)) {
    if (tooltipBox_) AddDamage(area, *tooltipBox_, width, height);
    tooltipBox_ = painter_.TooltipBox(tooltip, width, height);
    if (tooltipBox_) AddDamage(area, *tooltipBox_, width, height);
    tooltip_ = tooltip;
  }
  painter_.Paint(canvas_.Context(), front, tooltip, width, height, area);
  return area;
}

}  // namespace quil::paint
