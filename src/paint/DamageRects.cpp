#include "paint/DamageRects.h"

#include <algorithm>
#include <cmath>

namespace quil::paint {
namespace {

PixelRect Clip(const PixelRect& rect, int width, int height) {
  const int left = std::max(rect.x, 0);
  const int top = std::max(rect.y, 0);
  const int right = std::min(rect.x + rect.width, width);
  const int bottom = std::min(rect.y + rect.height, height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

long long Area(const PixelRect& rect) { return static_cast<long long>(rect.width) * rect.height; }

PixelRect Bounding(const PixelRect& a, const PixelRect& b) {
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  return {left, top, std::max(a.x + a.width, b.x + b.width) - left, std::max(a.y + a.height, b.y + b.height) - top};
}

// Twips far outside the screen still make sensible integers.
int Floor(double pixels) { return static_cast<int>(std::clamp(std::floor(pixels), -1e6, 1e6)); }
int Ceil(double pixels) { return static_cast<int>(std::clamp(std::ceil(pixels), -1e6, 1e6)); }

}  // namespace

PixelRect CoveringPixels(const rt::Rect& twips) {
  const int left = Floor(rt::TwipsToPixels(twips.left)) - 1;
  const int top = Floor(rt::TwipsToPixels(twips.top)) - 1;
  const int right = Ceil(rt::TwipsToPixels(twips.Right())) + 1;
  const int bottom = Ceil(rt::TwipsToPixels(twips.Bottom())) + 1;
  return {left, top, right - left, bottom - top};
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Touches(const PixelRect& rect, std::span<const PixelRect> area) {
  return std::any_of(area.begin(), area.end(), [&](const PixelRect& piece) { return Overlap(rect, piece); });
}

void AddDamage(std::vector<PixelRect>& rects, PixelRect rect, int screenWidth, int screenHeight) {
  rect = Clip(rect, screenWidth, screenHeight);
  if (rect.width <= 0 || rect.height <= 0) return;
  // Pieces that one rectangle covers about as well become one, which may in
  // turn join others; an L or a ring stays in pieces.
  for (auto it = rects.begin(); it != rects.end();) {
    if (Area(Bounding(*it, rect)) <= Area(*it) + Area(rect)) {
      rect = Bounding(*it, rect);
      rects.erase(it);
      it = rects.begin();
    } else {
      ++it;
    }
  }
  rects.push_back(rect);
}

std::vector<PixelRect> DamagedPixels(const rt::Region& damage, int screenWidth, int screenHeight) {
  std::vector<PixelRect> rects;
  if (damage.Everything()) {
    rects.push_back({0, 0, screenWidth, screenHeight});
    return rects;
  }
  for (const rt::Rect& twips : damage.Rects()) AddDamage(rects, CoveringPixels(twips), screenWidth, screenHeight);
  return rects;
}

}  // namespace quil::paint
