#pragma once

#include <SDL_video.h>

#include <span>
#include <string>

#include "paint/Canvas.h"
#include "paint/PixelRect.h"

namespace quil::sdl {

// A borderless window that shows finished frames from a canvas.
class SdlWindow {
 public:
  // Throws std::runtime_error when the window cannot be made.
  SdlWindow(const std::string& title, int x, int y, int width, int height, Uint32 flags);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  SDL_Window* Get() const { return window_; }
  Uint32 Id() const { return id_; }
  // Copies the canvas into the window and puts it on screen.
  void Show(const paint::Canvas& canvas);
  // The same for the given pieces of it only; the rest of the window stays as it is.
  void Show(const paint::Canvas& canvas, std::span<const paint::PixelRect> pieces);

 private:
  SDL_Window* window_;
  Uint32 id_;
};

}  // namespace quil::sdl
