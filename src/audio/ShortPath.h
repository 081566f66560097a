#pragma once

#include <string>

namespace quil::audio {

// A shorter name for the same file, as a desktop's short path names are: for
// a path longer than `limit` characters, its folder is held open for the rest
// of the run and the file named through that handle ("/proc/self/fd/7/Menu.mp3").
// A path within the limit, or one whose folder cannot be opened, comes back as it is.
std::string ShortPathName(const std::string& path, std::size_t limit);

}  // namespace quil::audio
