#include "sdl/WorkArea.h"

#include <algorithm>

namespace quil::sdl {

paint::PixelRect KeptInside(paint::PixelRect inside, const paint::PixelRect& work, const FrameExtents& frame) {
  inside.width = std::min(inside.width, work.width - frame.left - frame.right);
  inside.height = std::min(inside.height, work.height - frame.top - frame.bottom);
  // The left and top edges win where nothing fits: the title bar stays reachable.
  inside.x = std::max(std::min(inside.x, work.x + work.width - frame.right - inside.width), work.x + frame.left);
  inside.y = std::max(std::min(inside.y, work.y + work.height - frame.bottom - inside.height), work.y + frame.top);
  return inside;
}

int MonitorAt(int x, int y, std::span<const paint::PixelRect> monitors) {
  const auto under = std::ranges::find_if(monitors, [x, y](const paint::PixelRect& m) { return m.Contains(x, y); });
  return under == monitors.end() ? 0 : static_cast<int>(under - monitors.begin());
}

}  // namespace quil::sdl
