#pragma once

#include <cstddef>

// The table of embedded PNG pictures that the build generates, in name order.
namespace quil::pictures::detail {

struct EmbeddedPicture {
  const char* name;
  const unsigned char* begin;
  const unsigned char* end;
  int width, height;
  int hotX, hotY;
};

extern const EmbeddedPicture kEmbeddedPictures[];
extern const std::size_t kEmbeddedPictureCount;

}  // namespace quil::pictures::detail
