#pragma once

#include <SDL_video.h>

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "paint/Canvas.h"
#include "paint/PaintedPieces.h"
#include "paint/PixelRect.h"

struct xcb_connection_t;

namespace quil::sdl {

// Puts small pieces of a frame on an X window with the protocol itself. SDL
// puts every piece through shared memory and then waits for the server to be
// done with it: a round trip that costs more than a small piece (the
// arrows' swing, twenty times a second). Here the pixels travel in the
// request, so nothing has to be waited for; and a piece the screen painter
// keeps is kept by the server too, so showing it again sends only its number.
//
// Requests go through XCB, not Xlib: Xlib reads the connection on every
// flush, XCB only writes.
class SmallPieces {
 public:
  // For a window on a true- or direct-colour X visual with the canvas's own
  // layout of red, green and blue; nothing otherwise.
  static std::unique_ptr<SmallPieces> For(SDL_Window* window);
  ~SmallPieces();
  SmallPieces(const SmallPieces&) = delete;
  SmallPieces& operator=(const SmallPieces&) = delete;

  // Copies the pieces of the canvas, which lies at `place` in the window.
  // `kept` holds, piece by piece, the screen painter's number for those it keeps.
  void Put(const paint::Canvas& canvas, const paint::PixelRect& place, std::span<const paint::PixelRect> pieces,
           std::span<const std::optional<paint::PaintedPieces::Number>> kept = {});

 private:
  struct Stored {
    paint::PaintedPieces::Number number;
    std::uint32_t pixmap;
    int width;
    int height;
  };

  SmallPieces(xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth, std::uint32_t gc)
      : connection_(connection), window_(window), depth_(depth), gc_(gc) {}
  // The stored copy of the piece, made now when there is none.
  const Stored& Store(paint::PaintedPieces::Number number, const paint::Canvas& canvas, const paint::PixelRect& piece);
  // Sends `piece` of the canvas to `drawable` at (x, y).
  void Send(std::uint32_t drawable, const paint::Canvas& canvas, const paint::PixelRect& piece, int x, int y);

  xcb_connection_t* connection_;
  std::uint32_t window_;
  std::uint8_t depth_;
  std::uint32_t gc_;
  // The piece used longest ago first.
  std::list<Stored> stored_;
  std::vector<std::uint32_t> rows_;
};

}  // namespace quil::sdl
