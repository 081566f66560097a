#pragma once

#include <string>

namespace quil::audio {

// Whether the file holds MPEG audio that a decoder can start on, asked of
// libmpg123 with its own messages turned off; `why` tells what is wrong
// otherwise. The mixer's decoder would print several lines for each refusal.
bool HoldsMp3Audio(const std::string& path, std::string& why);

}  // namespace quil::audio
