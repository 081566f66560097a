#pragma once

#include <SDL_video.h>

#include <memory>
#include <span>

#include "paint/Canvas.h"
#include "paint/PixelRect.h"

struct _XDisplay;
struct _XGC;

namespace quil::sdl {

// Puts small pieces of a frame on an X window with the protocol itself. SDL
// puts every piece through shared memory and then waits for the server to be
// done with it: a round trip that costs more than a small piece (the
// arrows' swing, twenty times a second). Here the pixels travel in the
// request, so nothing has to be waited for.
class SmallPieces {
 public:
  // For a window on a true- or direct-colour X visual with the canvas's own
  // layout of red, green and blue; nothing otherwise.
  static std::unique_ptr<SmallPieces> For(SDL_Window* window);
  ~SmallPieces();
  SmallPieces(const SmallPieces&) = delete;
  SmallPieces& operator=(const SmallPieces&) = delete;

  // Copies the pieces of the canvas, which lies at `place` in the window.
  void Put(const paint::Canvas& canvas, const paint::PixelRect& place, std::span<const paint::PixelRect> pieces);

 private:
  SmallPieces(_XDisplay* display, unsigned long window, void* visual, int depth, _XGC* gc)
      : display_(display), window_(window), visual_(visual), depth_(depth), gc_(gc) {}

  _XDisplay* display_;
  unsigned long window_;
  void* visual_;
  int depth_;
  _XGC* gc_;
};

}  // namespace quil::sdl
