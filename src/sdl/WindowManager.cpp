#include "sdl/WindowManager.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "sdl/WindowProperty.h"

namespace quil::sdl {

// A window manager that follows the desktop's common rules names its own
// window on the root window; nothing else does.
bool HasWindowManager(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  // Anything but X11 is a desktop with a compositor of its own.
  if (!SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return true;
  Display* display = wm.info.x11.display;
  return OneValueProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).has_value();
}

}  // namespace quil::sdl
