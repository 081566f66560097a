#pragma once

#include <string_view>

#include "runtime/Picture.h"

namespace quil::pictures {

// The picture compiled into the program under this name; nullptr for a name it does not have.
// While anyone holds the picture of a name, the name gives that same picture;
// its pixels are decoded on first use and freed with its last holder.
rt::PictureRef Picture(std::string_view name);

}  // namespace quil::pictures
