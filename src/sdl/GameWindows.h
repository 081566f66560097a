#pragma once

#include <SDL_events.h>
#include <SDL_video.h>
#include <sys/types.h>

#include <set>

struct _XDisplay;

namespace quil::sdl {

// The desktop's windows while a game of the user's runs. Without a window
// manager nobody gives a new window the keyboard: each window a process of
// the game maps gets it from us, as it appears (a window manager does that
// itself, and then this gives nothing). And the windows that have appeared
// since the game's start tell whether a game handed to another program's
// process still runs.
class GameWindows {
 public:
  GameWindows() = default;
  ~GameWindows() { Stop(); }
  GameWindows(const GameWindows&) = delete;
  GameWindows& operator=(const GameWindows&) = delete;

  // Watches the desktop `window` is on for windows of the processes of `session`.
  void Watch(SDL_Window* window, pid_t session);
  // Takes SDL's raw X events (SDL_SYSWMEVENT), which flow while it watches.
  void Handle(const SDL_Event& event);
  // Whether a window that was not there at the start is shown now.
  bool NewOnesShown() const;
  void Stop();

 private:
  bool OfTheGame(unsigned long window) const;
  bool Shown(unsigned long window) const;

  _XDisplay* display_ = nullptr;
  bool focusing_ = false;
  long rootMask_ = 0;
  pid_t session_ = 0;
  std::set<unsigned long> before_;
};

}  // namespace quil::sdl
