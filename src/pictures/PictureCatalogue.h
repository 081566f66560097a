#pragma once

#include <cstddef>

// The table of embedded PNG pictures that the build generates, in name order.
namespace quil::pictures::detail {

struct EmbeddedPng {
  const unsigned char* begin;
  const unsigned char* end;
};

// Every picture the screens show is drawn at its own size and at twice and
// three times it; the application icons only at their own.
constexpr int kDrawnSizes = 3;

struct EmbeddedPicture {
  const char* name;
  int width, height;
  int hotX, hotY;
  EmbeddedPng drawn[kDrawnSizes];  // at 1, 2 and 3 times the size; none where a size is not drawn
};

extern const EmbeddedPicture kEmbeddedPictures[];
extern const std::size_t kEmbeddedPictureCount;

}  // namespace quil::pictures::detail
