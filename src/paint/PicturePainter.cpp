#include "paint/PicturePainter.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "paint/DeviceScale.h"

namespace quil::paint {
namespace {

struct SurfaceDestroy {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDestroy>;

// Pictures already hold Cairo's pixel layout, so the surface only borrows them;
// Cairo reads a source surface and never writes it.
SurfacePtr Borrow(const rt::Picture& picture) {
  auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(picture.Pixels().data()));
  return SurfacePtr(cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, picture.Width(),
                                                        picture.Height(), picture.Width() * 4));
}

bool Empty(const rt::Picture& picture) { return picture.Width() <= 0 || picture.Height() <= 0; }

}  // namespace

void DrawPicture(cairo_t* cr, const rt::Picture& picture, double x, double y) {
  if (Empty(picture)) return;
  SurfacePtr surface = Borrow(picture);
  cairo_set_source_surface(cr, surface.get(), x, y);
  cairo_paint(cr);
}

void DrawPictureStretched(cairo_t* cr, const rt::Picture& picture, const PixelRect& box) {
  if (Empty(picture) || box.width <= 0 || box.height <= 0) return;
  SurfacePtr surface = Borrow(picture);
  cairo_save(cr);
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  cairo_clip(cr);
  cairo_translate(cr, box.x, box.y);
  cairo_scale(cr, static_cast<double>(box.width) / picture.Width(),
              static_cast<double>(box.height) / picture.Height());
  cairo_set_source_surface(cr, surface.get(), 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(cr);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
  // Without padding the filter would blend the outermost pixels with the
  // transparent outside and leave a faded rim.
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_restore(cr);
}

rt::PictureRef ScaledPicture(const rt::Picture& picture, double scale) {
  const int width = std::max(1, ScaledLength(picture.Width(), scale));
  const int height = std::max(1, ScaledLength(picture.Height(), scale));
  SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  cairo_t* cr = cairo_create(surface.get());
  DrawPictureStretched(cr, picture, PixelRect{0, 0, width, height});
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  rt::Picture::Pixels32 pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
    pixels.insert(pixels.end(), row, row + width);
  }
  const rt::Picture::HotSpot hot = picture.Hot();
  return std::make_shared<rt::Picture>(
      width, height, std::move(pixels),
      rt::Picture::HotSpot{static_cast<int>(std::lround(hot.x * scale)), static_cast<int>(std::lround(hot.y * scale))});
}

}  // namespace quil::paint
