#pragma once

#include <SDL_surface.h>

#include <cstdint>
#include <memory>

#include "runtime/Picture.h"

namespace quil::sdl {

struct SurfaceFree {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

// A premultiplied ARGB pixel with its colour divided back out of the alpha.
std::uint32_t Unpremultiply(std::uint32_t pixel);

// The picture as an SDL surface with straight alpha, as cursors and window
// icons take it (pictures hold premultiplied pixels).
SurfacePtr StraightAlphaSurface(const rt::Picture& picture);

}  // namespace quil::sdl
