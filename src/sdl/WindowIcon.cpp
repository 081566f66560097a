#include "sdl/WindowIcon.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "sdl/PictureSurface.h"

namespace quil::sdl {
namespace {

// _NET_WM_ICON: width, height and then the pixels as straight-alpha ARGB, for
// each size in turn. Xlib passes 32-bit property items as longs.
std::vector<unsigned long> NetWmIcon(const std::vector<rt::PictureRef>& sizes) {
  std::vector<unsigned long> items;
  for (const auto& picture : sizes) {
    if (!picture) continue;
    items.push_back(static_cast<unsigned long>(picture->Width()));
    items.push_back(static_cast<unsigned long>(picture->Height()));
    for (std::uint32_t pixel : picture->Pixels()) items.push_back(Unpremultiply(pixel));
  }
  return items;
}

}  // namespace

void SetWindowIcon(SDL_Window* window, const std::vector<rt::PictureRef>& sizes) {
  if (sizes.empty() || !sizes.front()) return;
  if (SurfacePtr surface = StraightAlphaSurface(*sizes.front())) SDL_SetWindowIcon(window, surface.get());
  if (sizes.size() < 2) return;

  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return;
  // Replaces the one size SDL has just set.
  const std::vector<unsigned long> items = NetWmIcon(sizes);
  Display* display = wm.info.x11.display;
  XChangeProperty(display, wm.info.x11.window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(items.data()),
                  static_cast<int>(items.size()));
  XFlush(display);
}

}  // namespace quil::sdl
