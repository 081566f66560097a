#pragma once

#include <SDL_rect.h>
#include <SDL_video.h>

#include <span>
#include <string>
#include <vector>

#include "paint/Canvas.h"
#include "paint/PixelRect.h"

namespace quil::sdl {

// A window that shows finished frames from a canvas.
class SdlWindow {
 public:
  // Throws std::runtime_error when the window cannot be made.
  SdlWindow(const std::string& title, int x, int y, int width, int height, Uint32 flags);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  SDL_Window* Get() const { return window_; }
  Uint32 Id() const { return id_; }
  // Copies the canvas into the window with its top-left corner at `place`,
  // paints the rest of the window black and puts it all on screen.
  void Show(const paint::Canvas& canvas, const paint::PixelRect& place);
  void Show(const paint::Canvas& canvas) { Show(canvas, {0, 0, canvas.Width(), canvas.Height()}); }
  // The same for the given pieces of the canvas only; the rest of the window stays as it is.
  void Show(const paint::Canvas& canvas, const paint::PixelRect& place, std::span<const paint::PixelRect> pieces);

 private:
  // Copies the pieces into the window's surface; the window's rectangles they cover.
  std::vector<SDL_Rect> Copy(const paint::Canvas& canvas, const paint::PixelRect& place,
                             std::span<const paint::PixelRect> pieces);

  SDL_Window* window_;
  Uint32 id_;
};

}  // namespace quil::sdl
