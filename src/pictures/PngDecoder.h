#pragma once

#include <cstddef>

#include "runtime/Picture.h"

namespace quil::pictures {

// Decodes PNG bytes into premultiplied ARGB32 pixels; an empty result if they are not a PNG.
rt::Picture::Pixels32 DecodePng(const unsigned char* bytes, std::size_t size);

}  // namespace quil::pictures
