#include "assets/Pictures.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "assets/PictureCatalogue.h"
#include "assets/PngDecoder.h"

namespace quil::assets {

rt::PictureRef Picture(std::string_view name) {
  using detail::kEmbeddedPictureCount;
  using detail::kEmbeddedPictures;
  const auto* first = kEmbeddedPictures;
  const auto* last = kEmbeddedPictures + kEmbeddedPictureCount;
  const auto* entry = std::lower_bound(first, last, name, [](const auto& e, std::string_view n) { return e.name < n; });
  if (entry == last || entry->name != name) return nullptr;

  static std::mutex guard;
  static std::vector<rt::PictureRef> made(kEmbeddedPictureCount);
  std::lock_guard lock(guard);
  auto& picture = made[static_cast<std::size_t>(entry - first)];
  if (!picture) {
    const auto& e = *entry;
    picture = std::make_shared<const rt::Picture>(
        e.width, e.height, [&e] { return DecodePng(e.begin, static_cast<std::size_t>(e.end - e.begin)); },
        rt::Picture::HotSpot{e.hotX, e.hotY});
  }
  return picture;
}

}  // namespace quil::assets
