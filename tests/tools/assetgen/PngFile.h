#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quil::assets::test {

// A PNG read back from the build tree, as straight (not premultiplied) RGBA.
struct PngFile {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;

  std::uint8_t Alpha(int x, int y) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
  // 0xAARRGGBB
  std::uint32_t At(int x, int y) const;
};

std::string PicturePath(const std::string& name);
// Fails the calling test (and returns an empty picture) when the file cannot be read.
PngFile LoadPicture(const std::string& name);

}  // namespace quil::assets::test
