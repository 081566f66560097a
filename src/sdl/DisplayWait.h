#pragma once

#include <SDL_video.h>

#include <memory>

#include "runtime/Time.h"

struct _XDisplay;

namespace quil::sdl {

// Waits on the X connection itself, so that SDL's events are pumped only
// when the server has sent something: a timer's wake-up then costs no pump,
// which reads the connection, the input method and the controllers each time.
class DisplayWait {
 public:
  // The connection `window` is shown through; nothing on another desktop.
  static std::unique_ptr<DisplayWait> For(SDL_Window* window);

  // Whether events are read from the connection already, waiting for SDL.
  bool Queued() const;
  // Waits up to `duration` for the server to send something; true when it
  // did or a signal came, false when the time ran out.
  bool Wait(rt::Micros duration) const;

 private:
  DisplayWait(_XDisplay* display, int fd) : display_(display), fd_(fd) {}

  _XDisplay* display_;
  int fd_;
};

}  // namespace quil::sdl
