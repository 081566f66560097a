// The least any SDL2 program can do to put a frame on the screen: a borderless
// 800 x 600 window at the origin, one black frame through the window surface
// (no renderer, framebuffer acceleration off), then out. The start-up benchmark
// times Quil OS against it, so it goes the way the program goes: the same hint,
// the same window, the same push, and the same quick exit after the push.

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main(int, char**) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "first-frame-floor: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Floor", 0, 0, 800, 600, SDL_WINDOW_BORDERLESS);
  SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
  if (!surface) {
    std::fprintf(stderr, "first-frame-floor: %s\n", SDL_GetError());
    return 1;
  }
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  SDL_UpdateWindowSurface(window);
  // The frame is on the X server once the push returns (it waits for the
  // server's reply); what follows is teardown, which neither program times.
  std::_Exit(0);
}
