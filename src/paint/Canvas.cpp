#include "paint/Canvas.h"

#include <stdexcept>

namespace quil::paint {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a drawing surface");
  // Pixels() hands the rows out as one block, which needs ARGB32's stride to be exactly 4 bytes a pixel.
  if (cairo_image_surface_get_stride(surface_) != width * 4)
    throw std::logic_error("unexpected row padding in a drawing surface");
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

const std::uint32_t* Canvas::Pixels() const {
  cairo_surface_flush(surface_);
  return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_));
}

std::uint32_t* Canvas::PixelsToChange() {
  cairo_surface_flush(surface_);
  return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_));
}

void Canvas::Changed(const PixelRect& rect) {
  cairo_surface_mark_dirty_rectangle(surface_, rect.x, rect.y, rect.width, rect.height);
}

std::vector<std::uint32_t> Canvas::CopyPixels() const {
  const std::uint32_t* pixels = Pixels();
  return {pixels, pixels + static_cast<std::size_t>(width_) * height_};
}

rt::Rgb Canvas::RgbAt(int x, int y) const {
  const std::uint32_t pixel = PixelAt(x, y);
  return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel)};
}

}  // namespace quil::paint
