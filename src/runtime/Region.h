#pragma once

#include <vector>

#include "runtime/Twips.h"

namespace quil::rt {

// The part of a form that has to be painted again: either all of it or a
// handful of rectangles in the form's own twips. Rectangles may overlap; one
// that lies inside another is not kept twice.
class Region {
 public:
  bool Everything() const { return everything_; }
  const std::vector<Rect>& Rects() const { return rects_; }
  bool Empty() const { return !everything_ && rects_.empty(); }

  void Add(const Rect& rect);
  void AddEverything();
  void Clear();

 private:
  bool everything_ = false;
  std::vector<Rect> rects_;
};

// What lies in `outer` but not in `hole`: at most four rectangles.
std::vector<Rect> Subtract(const Rect& outer, const Rect& hole);
Rect Intersection(const Rect& a, const Rect& b);
bool IsEmpty(const Rect& rect);

}  // namespace quil::rt
