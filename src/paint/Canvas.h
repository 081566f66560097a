#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "runtime/Colour.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// An opaque ARGB32 image in memory with a Cairo context on it: the screen image
// the main window shows, the face of the message box, and what tests read back.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  cairo_t* Context() const { return cr_; }

  // Row after row without padding, premultiplied ARGB (opaque once painted).
  const std::uint32_t* Pixels() const;
  std::vector<std::uint32_t> CopyPixels() const;
  // For writing pixels directly; Changed then tells Cairo which.
  std::uint32_t* PixelsToChange();
  void Changed(const PixelRect& rect);
  std::uint32_t PixelAt(int x, int y) const { return Pixels()[static_cast<std::size_t>(y) * width_ + x]; }
  rt::Rgb RgbAt(int x, int y) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace quil::paint
