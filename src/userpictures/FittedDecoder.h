#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "runtime/Picture.h"

namespace quil::userpictures {

// Pictures with a longer side are refused before they are decoded.
inline constexpr int kMaxSide = 8192;

// How a picture takes a box of another shape.
enum class Fit {
  Cover,    // fills the box, centred, its overflow cropped (a tile's picture)
  Contain,  // whole inside the box, centred, transparent around it (a screenshot)
};

struct Decoded {
  rt::Picture::Pixels32 pixels = {};  // width x height, premultiplied ARGB32; empty when not decoded
  std::string problem = {};           // why not
};

// Decodes PNG or JPEG bytes straight to width x height: the decoder reduces
// the original to the size asked for, so the picture is filtered once, from
// the original to the device's pixels. Other formats are refused unread, so
// that only the two decoders the menu needs ever see a user's file.
Decoded DecodeFitted(std::span<const unsigned char> bytes, int width, int height, Fit fit);

}  // namespace quil::userpictures
