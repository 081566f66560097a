#include "paint/ScaledPictures.h"

#include "paint/PicturePainter.h"

#include <cmath>
#include <cstring>

namespace quil::paint {
namespace {

// The screens hold a few dozen stretched pictures; past this many sizes the
// kept ones are let go rather than piling up.
constexpr std::size_t kMaxKept = 128;

bool SamePicture(const std::weak_ptr<const rt::Picture>& kept, const rt::PictureRef& picture) {
  return !kept.owner_before(picture) && !picture.owner_before(kept);
}

// Rows of exactly `width` pixels into the surface's rows, which may be longer.
void CopyPixels(const rt::Picture::Pixels32& pixels, cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < cairo_image_surface_get_height(surface); ++y)
    std::memcpy(data + static_cast<std::size_t>(y) * stride, pixels.data() + static_cast<std::size_t>(y) * width,
                static_cast<std::size_t>(width) * 4);
  cairo_surface_mark_dirty(surface);
}

}  // namespace

ScaledPictures::~ScaledPictures() { Clear(); }

void ScaledPictures::Clear() {
  for (auto& [key, scaled] : scaled_) cairo_surface_destroy(scaled.surface);
  scaled_.clear();
}

void ScaledPictures::ForgetLetGo() {
  std::erase_if(scaled_, [](auto& entry) {
    if (!entry.second.picture.expired()) return false;
    cairo_surface_destroy(entry.second.surface);
    return true;
  });
}

void ScaledPictures::FormInFront() {
  ++front_;
  std::erase_if(scaled_, [this](auto& entry) {
    if (entry.second.drawnIn + 2 >= front_) return false;
    cairo_surface_destroy(entry.second.surface);
    return true;
  });
}

cairo_surface_t* ScaledPictures::SurfaceFor(const rt::PictureRef& picture, int factor, int width, int height) {
  const Key key{picture.get(), factor, width, height};
  if (const auto found = scaled_.find(key); found != scaled_.end() && SamePicture(found->second.picture, picture)) {
    found->second.drawnIn = front_;
    return found->second.surface;
  }
  // Only a miss looks for copies of pictures let go, among them one that a new
  // picture at the same address would otherwise be taken for.
  ForgetLetGo();
  if (scaled_.size() >= kMaxKept) Clear();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (picture->DrawnAtAnySize()) {
    CopyPixels(picture->PixelsAt(width, height), surface);
  } else {
    cairo_t* cr = cairo_create(surface);
    // A larger drawing is decoded for the copy alone and let go with it.
    DrawPictureStretched(cr, factor == 1 ? *picture : *picture->Drawn(factor), PixelRect{0, 0, width, height});
    cairo_destroy(cr);
  }
  scaled_.emplace(key, Scaled{picture, surface, front_});
  return surface;
}

void ScaledPictures::Draw(cairo_t* cr, const rt::PictureRef& picture, const PixelRect& box) {
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0) return;
  double left = box.x, top = box.y, right = box.x + box.width, bottom = box.y + box.height;
  cairo_user_to_device(cr, &left, &top);
  cairo_user_to_device(cr, &right, &bottom);
  const int x = static_cast<int>(std::lround(left));
  const int y = static_cast<int>(std::lround(top));
  const int width = static_cast<int>(std::lround(right)) - x;
  const int height = static_cast<int>(std::lround(bottom)) - y;
  if (width <= 0 || height <= 0) return;
  // The device's scale, not the box's stretch, picks the drawing: at scale 1
  // the screen shows the pictures it always showed.
  const int factor = picture->FactorFor((right - left) / box.width);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  if (factor == 1 && width == picture->Width() && height == picture->Height()) {
    DrawPicture(cr, *picture, x, y);
  } else {
    cairo_set_source_surface(cr, SurfaceFor(picture, factor, width, height), x, y);
    cairo_paint(cr);
  }
  cairo_restore(cr);
}

}  // namespace quil::paint
