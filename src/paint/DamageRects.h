#pragma once

#include <span>
#include <vector>

#include "runtime/Region.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// The whole pixels that a rectangle of twips may colour once the controls in
// it are rounded to the pixel grid and antialiased: a pixel more on each side.
PixelRect CoveringPixels(const rt::Rect& twips);

// The damaged pixels of a screen of the given size: the region's rectangles
// rounded outwards, cut to the screen, and merged where one rectangle covers
// two about as well as they cover themselves.
std::vector<PixelRect> DamagedPixels(const rt::Region& damage, int screenWidth, int screenHeight);

// Adds `rect`, cut to the screen, to `rects` by the same rule.
void AddDamage(std::vector<PixelRect>& rects, PixelRect rect, int screenWidth, int screenHeight);

bool Overlap(const PixelRect& a, const PixelRect& b);
bool Touches(const PixelRect& rect, std::span<const PixelRect> area);

}  // namespace quil::paint
