#include "sdl/LateWakeups.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace quil::sdl {
namespace {

XErrorHandler previousHandler = nullptr;

// A wakeup is only ever sent to end a wait; when its window is gone, the wait
// it was meant to end has ended already. SDL places a window by the frame a
// window manager put around it, asked for a moment earlier; a window hidden
// or shown again loses that frame, and the place is asked for again with the
// next frame's move.
int IgnoreLateWakeup(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow &&
      (error->request_code == X_SendEvent || error->request_code == X_TranslateCoords))
    return 0;
  return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void ForgiveLateWakeups() {
  // The handler is the whole process's: set it once, so it never calls itself.
  static const bool installed = [] {
    previousHandler = XSetErrorHandler(IgnoreLateWakeup);
    return true;
  }();
  (void)installed;
}

}  // namespace quil::sdl
