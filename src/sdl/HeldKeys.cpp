#include "sdl/HeldKeys.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace quil::sdl {

void HeldKeys::Find(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!window || !SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return;
  char keys[32];
  XQueryKeymap(wm.info.x11.display, keys);
  for (std::size_t code = 0; code < held_.size(); ++code)
    if (keys[code / 8] & (1 << (code % 8))) held_.set(code);
  if (held_.none()) return;
  display_ = wm.info.x11.display;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

// Every SDL key event comes of a raw one, which comes first; the raw events
// flow until the one after the last held key's release, so that a release
// SDL drops (for a key it never saw go down) claims nothing beyond it.
void HeldKeys::Handle(const SDL_Event& event) {
  if (!display_ || event.type != SDL_SYSWMEVENT || event.syswm.msg->subsystem != SDL_SYSWM_X11) return;
  const XEvent& x = event.syswm.msg->msg.x11.event;
  const bool key = x.type == KeyPress || x.type == KeyRelease;
  const std::size_t code = key ? x.xkey.keycode % held_.size() : 0;
  claimed_ = key && held_.test(code);
  if (x.type == KeyRelease) held_.reset(code);
  if (held_.none() && !claimed_) Forget();
}

bool HeldKeys::Claims() {
  const bool claimed = claimed_;
  claimed_ = false;
  return claimed;
}

void HeldKeys::Forget() {
  if (display_) SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
  display_ = nullptr;
  held_.reset();
  claimed_ = false;
}

}  // namespace quil::sdl
