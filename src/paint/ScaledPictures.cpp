#include "paint/ScaledPictures.h"

#include "paint/PicturePainter.h"

namespace quil::paint {
namespace {

// The screens hold a few dozen stretched pictures; past this many sizes the
// kept ones are let go rather than piling up.
constexpr std::size_t kMaxKept = 128;

bool SamePicture(const std::weak_ptr<const rt::Picture>& kept, const rt::PictureRef& picture) {
  return !kept.owner_before(picture) && !picture.owner_before(kept);
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

cairo_surface_t* ScaledPictures::SurfaceFor(const rt::PictureRef& picture, int width, int height) {
  const Key key{picture.get(), width, height};
  if (const auto found = scaled_.find(key); found != scaled_.end() && SamePicture(found->second.picture, picture))
    return found->second.surface;
  // Only a miss looks for copies of pictures let go, among them one that a new
  // picture at the same address would otherwise be taken for.
  ForgetLetGo();
  if (scaled_.size() >= kMaxKept) Clear();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  DrawPictureStretched(cr, *picture, PixelRect{0, 0, width, height});
  cairo_destroy(cr);
  scaled_.emplace(key, Scaled{picture, surface});
  return surface;
}

void ScaledPictures::Draw(cairo_t* cr, const rt::PictureRef& picture, const PixelRect& box) {
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0 || box.width <= 0 || box.height <= 0) return;
  cairo_set_source_surface(cr, SurfaceFor(picture, box.width, box.height), box.x, box.y);
  cairo_paint(cr);
}

}  // namespace quil::paint
