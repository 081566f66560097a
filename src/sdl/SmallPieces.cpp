#include "sdl/SmallPieces.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>

namespace quil::sdl {

std::unique_ptr<SmallPieces> SmallPieces::For(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!window || !SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return nullptr;
  Display* display = wm.info.x11.display;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, wm.info.x11.window, &attributes)) return nullptr;
  const Visual* visual = attributes.visual;
  // The canvas holds 0xAARRGGBB words; the server must read them as they
  // are. SDL gives a direct-colour window a colour map that leaves them so.
  if ((attributes.depth != 24 && attributes.depth != 32) ||
      (visual->c_class != TrueColor && visual->c_class != DirectColor) ||
      visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
    return nullptr;
  GC gc = XCreateGC(display, wm.info.x11.window, 0, nullptr);
  if (!gc) return nullptr;
  return std::unique_ptr<SmallPieces>(
      new SmallPieces(display, wm.info.x11.window, attributes.visual, attributes.depth, gc));
}

SmallPieces::~SmallPieces() { XFreeGC(display_, gc_); }

void SmallPieces::Put(const paint::Canvas& canvas, const paint::PixelRect& place,
                      std::span<const paint::PixelRect> pieces) {
  // The canvas's own memory, read in place: no copy is made before Xlib's.
  auto* data = reinterpret_cast<char*>(const_cast<std::uint32_t*>(canvas.Pixels()));
  XImage* image = XCreateImage(display_, static_cast<Visual*>(visual_), depth_, ZPixmap, 0, data, canvas.Width(),
                               canvas.Height(), 32, canvas.Width() * 4);
  if (!image) return;
  image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  for (const paint::PixelRect& piece : pieces) {
    const int x = std::max(piece.x, 0);
    const int y = std::max(piece.y, 0);
    const int width = std::min(piece.x + piece.width, canvas.Width()) - x;
    const int height = std::min(piece.y + piece.height, canvas.Height()) - y;
    if (width > 0 && height > 0)
      XPutImage(display_, window_, gc_, image, x, y, place.x + x, place.y + y, static_cast<unsigned>(width),
                static_cast<unsigned>(height));
  }
  // The data is the canvas's: the image must not free it.
  image->data = nullptr;
  XDestroyImage(image);
  XFlush(display_);
}

}  // namespace quil::sdl
