#include "pictures/PngDecoder.h"

#include <png.h>

#include <bit>
#include <cstring>

namespace quil::pictures {

rt::Picture::Pixels32 DecodePng(const unsigned char* bytes, std::size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes, size)) return {};
  // One 32-bit word per pixel reading 0xAARRGGBB: bytes B,G,R,A in memory on a
  // little-endian machine, A,R,G,B on a big-endian one.
  image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  rt::Picture::Pixels32 pixels(static_cast<std::size_t>(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  // libpng hands out straight alpha; the runtime paints premultiplied colour.
  for (auto& px : pixels) {
    std::uint32_t a = px >> 24;
    if (a == 255) continue;
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    px = (a << 24) | (scale((px >> 16) & 0xFF) << 16) | (scale((px >> 8) & 0xFF) << 8) | scale(px & 0xFF);
  }
  return pixels;
}

}  // namespace quil::pictures
