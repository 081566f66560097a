#pragma once

#include <string_view>

#include "runtime/Picture.h"

namespace quil::app {

// What stands in for an own channel's pictures when it has none: its tile's
// card and its screen's panel, in the colours its title chooses.
rt::Picture::SizedDecoder DrawnCard(std::string_view title);
rt::Picture::SizedDecoder DrawnPanel(std::string_view title);

}  // namespace quil::app
