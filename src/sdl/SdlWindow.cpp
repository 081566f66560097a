#include "sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <vector>
#include <stdexcept>

namespace quil::sdl {

SdlWindow::SdlWindow(const std::string& title, int x, int y, int width, int height, Uint32 flags)
    : window_(SDL_CreateWindow(title.c_str(), x, y, width, height, flags | SDL_WINDOW_BORDERLESS)) {
  if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
}

SdlWindow::~SdlWindow() { SDL_DestroyWindow(window_); }

void SdlWindow::Show(const paint::Canvas& canvas) {
  const paint::PixelRect whole{0, 0, canvas.Width(), canvas.Height()};
  Show(canvas, {&whole, 1});
}

void SdlWindow::Show(const paint::Canvas& canvas, std::span<const paint::PixelRect> pieces) {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) return;
  const int bytesPerPixel = surface->format->BytesPerPixel;
  std::vector<SDL_Rect> rects;
  rects.reserve(pieces.size());
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  const std::uint32_t* pixels = canvas.Pixels();
  for (const paint::PixelRect& piece : pieces) {
    const int x = std::max(piece.x, 0);
    const int y = std::max(piece.y, 0);
    const int width = std::min({piece.x + piece.width, surface->w, canvas.Width()}) - x;
    const int height = std::min({piece.y + piece.height, surface->h, canvas.Height()}) - y;
    if (width <= 0 || height <= 0) continue;
    const std::uint32_t* from = pixels + static_cast<std::size_t>(y) * canvas.Width() + x;
    auto* to = static_cast<std::uint8_t*>(surface->pixels) + static_cast<std::size_t>(y) * surface->pitch + x * bytesPerPixel;
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_ARGB8888, from, canvas.Width() * 4, surface->format->format, to,
                      surface->pitch);
    rects.push_back(SDL_Rect{x, y, width, height});
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

}  // namespace quil::sdl
