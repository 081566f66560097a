#include "sdl/WindowManager.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace quil::sdl {

// A window manager that follows the desktop's common rules names its own
// window on the root window; nothing else does.
bool HasWindowManager(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  // Anything but X11 is a desktop with a compositor of its own.
  if (!SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return true;
  Display* display = wm.info.x11.display;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const bool named = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &count, &after, &data) == Success &&
                     type == XA_WINDOW && count == 1;
  if (data) XFree(data);
  return named;
}

}  // namespace quil::sdl
