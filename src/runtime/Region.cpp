#include "runtime/Region.h"

#include <algorithm>

namespace quil::rt {
namespace {

// Past this many pieces the region becomes their bounding box: a few larger
// paints cost less than bookkeeping for many small ones.
constexpr std::size_t kMaxRects = 32;

bool Covers(const Rect& outer, const Rect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

Rect Bounding(const Rect& a, const Rect& b) {
  const double left = std::min(a.left, b.left);
  const double top = std::min(a.top, b.top);
  return {left, top, std::max(a.Right(), b.Right()) - left, std::max(a.Bottom(), b.Bottom()) - top};
}

}  // namespace

bool IsEmpty(const Rect& rect) { return !(rect.width > 0) || !(rect.height > 0); }

Rect Intersection(const Rect& a, const Rect& b) {
  const double left = std::max(a.left, b.left);
  const double top = std::max(a.top, b.top);
  const double right = std::min(a.Right(), b.Right());
  const double bottom = std::min(a.Bottom(), b.Bottom());
  if (right <= left || bottom <= top) return {left, top, 0, 0};
  return {left, top, right - left, bottom - top};
}

std::vector<Rect> Subtract(const Rect& outer, const Rect& hole) {
  const Rect cut = Intersection(outer, hole);
  if (IsEmpty(cut)) return IsEmpty(outer) ? std::vector<Rect>{} : std::vector<Rect>{outer};
  std::vector<Rect> pieces = {
      {outer.left, outer.top, outer.width, cut.top - outer.top},       // above the hole, full width
      {outer.left, cut.Bottom(), outer.width, outer.Bottom() - cut.Bottom()},  // below it
      {outer.left, cut.top, cut.left - outer.left, cut.height},        // left of it
      {cut.Right(), cut.top, outer.Right() - cut.Right(), cut.height},  // right of it
  };
  std::erase_if(pieces, IsEmpty);
  return pieces;
}

void Region::Add(const Rect& rect) {
  if (everything_ || IsEmpty(rect)) return;
  if (std::any_of(rects_.begin(), rects_.end(), [&](const Rect& kept) { return Covers(kept, rect); })) return;
  std::erase_if(rects_, [&](const Rect& kept) { return Covers(rect, kept); });
  rects_.push_back(rect);
  if (rects_.size() <= kMaxRects) return;
  Rect all = rects_.front();
  for (const Rect& kept : rects_) all = Bounding(all, kept);
  rects_ = {all};
}

void Region::AddEverything() {
  everything_ = true;
  rects_.clear();
}

void Region::Clear() {
  everything_ = false;
  rects_.clear();
}

}  // namespace quil::rt
