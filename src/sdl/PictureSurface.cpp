#include "sdl/PictureSurface.h"

#include <SDL.h>

#include <algorithm>

namespace quil::sdl {

std::uint32_t Unpremultiply(std::uint32_t pixel) {
  const std::uint32_t alpha = pixel >> 24;
  if (alpha == 0) return 0;
  if (alpha == 255) return pixel;
  auto channel = [&](int shift) {
    const std::uint32_t value = (pixel >> shift) & 0xFF;
    return std::min<std::uint32_t>(255, (value * 255 + alpha / 2) / alpha) << shift;
  };
  return (alpha << 24) | channel(16) | channel(8) | channel(0);
}

SurfacePtr StraightAlphaSurface(const rt::Picture& picture) {
  SurfacePtr surface(
      SDL_CreateRGBSurfaceWithFormat(0, picture.Width(), picture.Height(), 32, SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return nullptr;
  const auto& pixels = picture.Pixels();
  for (int y = 0; y < picture.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < picture.Width(); ++x)
      row[x] = Unpremultiply(pixels[static_cast<std::size_t>(y) * picture.Width() + x]);
  }
  return surface;
}

}  // namespace quil::sdl
