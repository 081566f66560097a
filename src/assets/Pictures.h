#pragma once

#include <string_view>

#include "shell/runtime/Picture.h"

namespace quil::assets {

// The picture compiled into the program under this name; nullptr for a name it does not have.
// Each name gives the same shared picture every time; its pixels are decoded on first use.
rt::PictureRef Picture(std::string_view name);

}  // namespace quil::assets
