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
  // Sends what Xlib holds back.
  bool Queued();
  // Waits up to `duration` for the server to send something; true when it
  // did or a signal came, false when the time ran out.
  bool Wait(rt::Micros duration);

 private:
  DisplayWait(_XDisplay* display, int fd) : display_(display), fd_(fd) {}
  // Sends what Xlib holds back, if it holds anything.
  void Flush();

  _XDisplay* display_;
  int fd_;
  // Xlib's number for its next request when it last sent all it held.
  unsigned long sentBefore_ = 0;
};

}  // namespace quil::sdl
