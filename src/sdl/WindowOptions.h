#pragma once

namespace quil::sdl {

// How the 800 x 600 screen is shown.
struct WindowOptions {
  // Off: the screen is the desktop's own, a borderless window at its origin,
  // and the program's check refuses a desktop of any other size. On: a window
  // of any size, the screen scaled into it with its shape kept; the forms
  // still see an 800 x 600 screen.
  bool scaled = false;
  // The scaled window's first size, as a multiple of 800 x 600; 0 for the
  // largest that fits the desktop's work area comfortably.
  double scale = 0;
  // The scaled screen fills the whole desktop from the start.
  bool fullscreen = false;
};

}  // namespace quil::sdl
