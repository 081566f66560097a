#include "shell/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

namespace quil::sdl {

SdlWindow::SdlWindow(const std::string& title, int x, int y, int width, int height, Uint32 flags)
    : window_(SDL_CreateWindow(title.c_str(), x, y, width, height, flags | SDL_WINDOW_BORDERLESS)) {
  if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
}

SdlWindow::~SdlWindow() { SDL_DestroyWindow(window_); }

void SdlWindow::Show(const paint::Canvas& canvas) {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) return;
  const int width = std::min(surface->w, canvas.Width());
  const int height = std::min(surface->h, canvas.Height());
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_ARGB8888, canvas.Pixels(), canvas.Width() * 4,
                    surface->format->format, surface->pixels, surface->pitch);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  SDL_UpdateWindowSurface(window_);
}

}  // namespace quil::sdl
