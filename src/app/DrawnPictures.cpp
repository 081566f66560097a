#include "app/DrawnPictures.h"

#include <string>

#include "catalogue/OwnChannels.h"

namespace quil::app {
namespace {

std::uint32_t Opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

// From the sky at the top to the ground at the bottom.
rt::Picture::SizedDecoder Gradient(std::string_view title) {
  const catalogue::Card card = catalogue::OwnCard(title);
  return [sky = card.sky, ground = card.ground](int width, int height) {
    rt::Picture::Pixels32 pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
      const double t = height > 1 ? static_cast<double>(y) / (height - 1) : 0;
      std::uint32_t rgb = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        const double from = sky >> shift & 0xFF, to = ground >> shift & 0xFF;
        rgb |= static_cast<std::uint32_t>(from + (to - from) * t + 0.5) << shift;
      }
      std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width, Opaque(rgb));
    }
    return pixels;
  };
}

}  // namespace

rt::Picture::SizedDecoder DrawnCard(std::string_view title) { return Gradient(title); }
rt::Picture::SizedDecoder DrawnPanel(std::string_view title) { return Gradient(title); }

}  // namespace quil::app
