#pragma once

#include <SDL_video.h>

namespace quil::sdl {

// Whether a window manager looks after the window's desktop. Without one,
// nobody answers a window's wish to be fullscreen.
bool HasWindowManager(SDL_Window* window);

}  // namespace quil::sdl
