#include "pictures/Pictures.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "pictures/PictureCatalogue.h"
#include "pictures/PngDecoder.h"

namespace quil::pictures {
namespace {

rt::Picture::Decoder DecoderOf(const detail::EmbeddedPng& png) {
  return [&png] { return DecodePng(png.begin, static_cast<std::size_t>(png.end - png.begin)); };
}

// The larger drawings come with the picture but are decoded only when a
// screen shown that large asks for them.
std::vector<rt::Picture::Decoder> LargerDrawings(const detail::EmbeddedPicture& e) {
  std::vector<rt::Picture::Decoder> larger;
  for (int factor = 2; factor <= detail::kDrawnSizes && e.drawn[factor - 1].begin; ++factor)
    larger.push_back(DecoderOf(e.drawn[factor - 1]));
  return larger;
}

}  // namespace

rt::PictureRef Picture(std::string_view name) {
  using detail::kEmbeddedPictureCount;
  using detail::kEmbeddedPictures;
  const auto* first = kEmbeddedPictures;
  const auto* last = kEmbeddedPictures + kEmbeddedPictureCount;
  const auto* entry = std::lower_bound(first, last, name, [](const auto& e, std::string_view n) { return e.name < n; });
  if (entry == last || entry->name != name) return nullptr;

  // A picture stays decoded while a screen holds it and goes with its last
  // holder, so an unloaded channel screen takes its screenshot's pixels along.
  static std::mutex guard;
  static std::vector<std::weak_ptr<const rt::Picture>> made(kEmbeddedPictureCount);
  std::lock_guard lock(guard);
  auto& slot = made[static_cast<std::size_t>(entry - first)];
  if (rt::PictureRef held = slot.lock()) return held;
  const auto& e = *entry;
  rt::PictureRef picture = std::make_shared<const rt::Picture>(e.width, e.height, DecoderOf(e.drawn[0]),
                                                               rt::Picture::HotSpot{e.hotX, e.hotY}, LargerDrawings(e));
  slot = picture;
  return picture;
}

}  // namespace quil::pictures
