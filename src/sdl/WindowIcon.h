#pragma once

#include <SDL_video.h>

#include <vector>

#include "runtime/Picture.h"

namespace quil::sdl {

// Gives the window its icon in every size it comes in. SDL takes only one
// picture; on X11 the desktop is then handed all of them at once in
// _NET_WM_ICON, so that a task bar or a switcher picks the size it shows
// instead of scaling one.
void SetWindowIcon(SDL_Window* window, const std::vector<rt::PictureRef>& sizes);

}  // namespace quil::sdl
