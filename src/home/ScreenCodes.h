#pragma once

#include <string_view>

namespace quil::home {

// The channel screen that a screen code opens, by form name; empty for a code
// that names none (codes run from 1 to 36).
std::string_view ChannelScreenName(int screenCode);

}  // namespace quil::home
