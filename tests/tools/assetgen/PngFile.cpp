#include "PngFile.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

namespace quil::assets::test {

std::uint32_t PngFile::At(int x, int y) const {
  const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}

std::string PicturePath(const std::string& name) { return std::string(QUIL_PICTURE_DIR) + "/" + name + ".png"; }

PngFile LoadPicture(const std::string& name) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  PngFile file;
  if (!png_image_begin_read_from_file(&image, PicturePath(name).c_str())) {
    ADD_FAILURE() << "cannot read " << PicturePath(name);
    return file;
  }
  image.format = PNG_FORMAT_RGBA;
  file.width = static_cast<int>(image.width);
  file.height = static_cast<int>(image.height);
  file.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, file.rgba.data(), 0, nullptr)) {
    ADD_FAILURE() << "cannot decode " << PicturePath(name);
    return {};
  }
  return file;
}

}  // namespace quil::assets::test
