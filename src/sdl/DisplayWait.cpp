#include "sdl/DisplayWait.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <climits>

namespace quil::sdl {

std::unique_ptr<DisplayWait> DisplayWait::For(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!window || !SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return nullptr;
  return std::unique_ptr<DisplayWait>(new DisplayWait(wm.info.x11.display, ConnectionNumber(wm.info.x11.display)));
}

// Also those read into the connection's own buffer while Xlib waited for a
// reply, or XCB wrote: the socket has nothing more to say about them.
bool DisplayWait::Queued() {
  const bool queued = XEventsQueued(display_, QueuedAfterFlush) > 0;
  sentBefore_ = XNextRequest(display_);
  return queued;
}

// Every flush of Xlib's also reads the connection, so only one that sends something is made.
void DisplayWait::Flush() {
  if (XNextRequest(display_) == sentBefore_) return;
  XFlush(display_);
  sentBefore_ = XNextRequest(display_);
}

bool DisplayWait::Wait(rt::Micros duration) {
  // What is still buffered must reach the server, or its answer never comes.
  Flush();
  pollfd connection{fd_, POLLIN, 0};
  // Rounded up: a wait that ends before its time would only come straight back.
  const int ms = static_cast<int>(std::clamp<rt::Micros>((duration + 999) / 1000, 0, INT_MAX));
  return poll(&connection, 1, ms) != 0;
}

}  // namespace quil::sdl
