#include "paint/ScreenPainter.h"

#include <algorithm>

#include "paint/DamageRects.h"
#include "paint/DeviceScale.h"

namespace quil::paint {
namespace {

bool SameTooltip(const rt::Tooltip& a, const rt::Tooltip& b) {
  return a.visible == b.visible && (!a.visible || (a.text == b.text && a.x == b.x && a.y == b.y));
}

PixelRect CutTo(const PixelRect& rect, int width, int height) {
  const int left = std::max(rect.x, 0);
  const int top = std::max(rect.y, 0);
  return {left, top, std::max(0, std::min(rect.x + rect.width, width) - left),
          std::max(0, std::min(rect.y + rect.height, height) - top)};
}

}  // namespace

ScreenPainter::ScreenPainter(int width, int height, double scale) : width_(width), height_(height) {
  SetScale(scale);
}

void ScreenPainter::SetScale(double scale) {
  if (canvas_ && scale == scale_) return;
  scale_ = scale;
  canvas_ = std::make_unique<Canvas>(ScaledLength(width_, scale), ScaledLength(height_, scale));
  cairo_scale(canvas_->Context(), scale, scale);
  painter_.ForgetScaledPictures();
  pieces_.Clear();
  whole_ = true;
}

std::vector<PixelRect> ScreenPainter::Update(const rt::Form& front, const rt::Tooltip& tooltip) {
  std::vector<PixelRect> area = whole_ ? std::vector<PixelRect>{{0, 0, width_, height_}}
                                       : DamagedPixels(front.Damage(), width_, height_);
  whole_ = false;
  if (!SameTooltip(tooltip, tooltip_)) {
    if (tooltipBox_) AddDamage(area, *tooltipBox_, width_, height_);
    tooltipBox_ = painter_.TooltipBox(tooltip, width_, height_);
    if (tooltipBox_) AddDamage(area, *tooltipBox_, width_, height_);
    tooltip_ = tooltip;
  }
  // Another form's controls may lie where the last one's did.
  if (&front != paintedForm_) {
    pieces_.Clear();
    painter_.FormInFront();
  }
  paintedForm_ = &front;
  shownPieces_.assign(area.size(), std::nullopt);
  // Small pieces (the arrows' swing, one piece an arrow) each on their own,
  // so each may be copied; anything larger, or under the tooltip, in one go.
  const bool small = std::all_of(area.begin(), area.end(), PaintedPieces::MayKeep);
  if (small && !(tooltipBox_ && Touches(*tooltipBox_, area))) {
    for (std::size_t piece = 0; piece < area.size(); ++piece)
      shownPieces_[piece] = PaintPiece(front, tooltip, area[piece]);
  } else {
    painter_.Paint(canvas_->Context(), front, tooltip, width_, height_, area);
  }
  for (PixelRect& piece : area) piece = CutTo(ScaledOutward(piece, scale_), canvas_->Width(), canvas_->Height());
  return area;
}

std::optional<PaintedPieces::Number> ScreenPainter::PaintPiece(const rt::Form& front, const rt::Tooltip& tooltip,
                                                               const PixelRect& area) {
  const PixelRect device = CutTo(ScaledOutward(area, scale_), canvas_->Width(), canvas_->Height());
  // Every screen pixel the device's pixels show, as the form painter paints them.
  auto scene = PaintedPieces::SceneOf(front, UnscaledOutward(device, scale_));
  if (scene) {
    if (auto kept = pieces_.Restore(*scene, *canvas_, device)) return kept;
  }
  painter_.Paint(canvas_->Context(), front, tooltip, width_, height_, {&area, 1});
  if (!scene) return std::nullopt;
  return pieces_.Keep(std::move(*scene), *canvas_, device);
}

}  // namespace quil::paint
