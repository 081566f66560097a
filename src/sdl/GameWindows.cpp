#include "sdl/GameWindows.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include "sdl/WindowManager.h"
#include "sdl/WindowProperty.h"

namespace quil::sdl {
namespace {

int Forgive(Display*, XErrorEvent*) { return 0; }

// The game's window may be gone again by the time it is looked at: what is
// asked of it meanwhile fails harmlessly, not with the program.
class GoneWindowsForgiven {
 public:
  explicit GoneWindowsForgiven(Display* display) : display_(display), previous_(XSetErrorHandler(Forgive)) {}
  ~GoneWindowsForgiven() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  GoneWindowsForgiven(const GoneWindowsForgiven&) = delete;
  GoneWindowsForgiven& operator=(const GoneWindowsForgiven&) = delete;

 private:
  Display* display_;
  XErrorHandler previous_;
};

}  // namespace

void GameWindows::Watch(SDL_Window* window, pid_t session) {
  Stop();
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!window || !SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return;
  display_ = wm.info.x11.display;
  session_ = session;
  const Window root = DefaultRootWindow(display_);
  focusing_ = !HasWindowManager(window);
  if (focusing_) {
    XWindowAttributes attributes;
    rootMask_ = XGetWindowAttributes(display_, root, &attributes) ? attributes.your_event_mask : NoEventMask;
    // The maps of the root's children: the desktop's top-level windows.
    XSelectInput(display_, root, rootMask_ | SubstructureNotifyMask);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  }
  // A quick game may have mapped its window already.
  const GoneWindowsForgiven forgiven(display_);
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display_, root, &parent, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count; ++i) {
      if (focusing_ && Shown(children[i]) && OfTheGame(children[i]))
        XSetInputFocus(display_, children[i], RevertToPointerRoot, CurrentTime);
      else
        before_.insert(children[i]);
    }
  }
  if (children) XFree(children);
}

void GameWindows::Handle(const SDL_Event& event) {
  if (!focusing_ || event.type != SDL_SYSWMEVENT || event.syswm.msg->subsystem != SDL_SYSWM_X11) return;
  const XEvent& x = event.syswm.msg->msg.x11.event;
  if (x.type != MapNotify || x.xmap.event != DefaultRootWindow(display_) || x.xmap.override_redirect) return;
  const GoneWindowsForgiven forgiven(display_);
  if (OfTheGame(x.xmap.window)) XSetInputFocus(display_, x.xmap.window, RevertToPointerRoot, CurrentTime);
}

// A menu or a tooltip (override-redirect) is no window to type in, nor a game's.
bool GameWindows::Shown(unsigned long window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable &&
         !attributes.override_redirect;
}

// By the process its client names (_NET_WM_PID), as SDL, GTK, Qt and Xlib's
// own XSetWMProperties do.
bool GameWindows::OfTheGame(unsigned long window) const {
  const std::optional<unsigned long> pid = OneValueProperty(display_, window, "_NET_WM_PID", XA_CARDINAL);
  return pid && *pid > 0 && getsid(static_cast<pid_t>(*pid)) == session_;
}

// A window manager frames each new window in one of its own, a child of the
// root too.
bool GameWindows::NewOnesShown() const {
  if (!display_) return false;
  const GoneWindowsForgiven forgiven(display_);
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  bool shown = false;
  if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count && !shown; ++i) shown = !before_.contains(children[i]) && Shown(children[i]);
  }
  if (children) XFree(children);
  return shown;
}

void GameWindows::Stop() {
  if (focusing_) {
    XSelectInput(display_, DefaultRootWindow(display_), rootMask_);
    XFlush(display_);
    SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
  }
  focusing_ = false;
  display_ = nullptr;
  before_.clear();
}

}  // namespace quil::sdl
