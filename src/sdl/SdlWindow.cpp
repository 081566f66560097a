#include "sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace quil::sdl {

SdlWindow::SdlWindow(const std::string& title, int x, int y, int width, int height, Uint32 flags)
    : window_(SDL_CreateWindow(title.c_str(), x, y, width, height, flags)) {
  if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
}

SdlWindow::~SdlWindow() { SDL_DestroyWindow(window_); }

void SdlWindow::Show(const paint::Canvas& canvas, const paint::PixelRect& place) {
  if (SDL_Surface* surface = SDL_GetWindowSurface(window_)) {
    // The bars around the picture; the picture itself is copied over them.
    const SDL_Rect bars[] = {{0, 0, surface->w, place.y},
                             {0, place.y + place.height, surface->w, surface->h - place.y - place.height},
                             {0, place.y, place.x, place.height},
                             {place.x + place.width, place.y, surface->w - place.x - place.width, place.height}};
    for (const SDL_Rect& bar : bars)
      if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, SDL_MapRGB(surface->format, 0, 0, 0));
  }
  const paint::PixelRect whole{0, 0, canvas.Width(), canvas.Height()};
  Copy(canvas, place, {&whole, 1});
  // Bars included: the whole window is new.
  SDL_UpdateWindowSurface(window_);
}

void SdlWindow::Show(const paint::Canvas& canvas, const paint::PixelRect& place,
                     std::span<const paint::PixelRect> pieces) {
  const std::vector<SDL_Rect> rects = Copy(canvas, place, pieces);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

std::vector<SDL_Rect> SdlWindow::Copy(const paint::Canvas& canvas, const paint::PixelRect& place,
                                      std::span<const paint::PixelRect> pieces) {
  std::vector<SDL_Rect> rects;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface) return rects;
  const int bytesPerPixel = surface->format->BytesPerPixel;
  rects.reserve(pieces.size());
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  const std::uint32_t* pixels = canvas.Pixels();
  for (const paint::PixelRect& piece : pieces) {
    // Cut to the canvas and to the window's surface.
    const int x = std::max({piece.x, 0, -place.x});
    const int y = std::max({piece.y, 0, -place.y});
    const int width = std::min({piece.x + piece.width, canvas.Width(), surface->w - place.x}) - x;
    const int height = std::min({piece.y + piece.height, canvas.Height(), surface->h - place.y}) - y;
    if (width <= 0 || height <= 0) continue;
    const std::uint32_t* from = pixels + static_cast<std::size_t>(y) * canvas.Width() + x;
    auto* to = static_cast<std::uint8_t*>(surface->pixels) + static_cast<std::size_t>(place.y + y) * surface->pitch +
               (place.x + x) * bytesPerPixel;
    SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_ARGB8888, from, canvas.Width() * 4, surface->format->format, to,
                      surface->pitch);
    rects.push_back(SDL_Rect{place.x + x, place.y + y, width, height});
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  return rects;
}

}  // namespace quil::sdl
