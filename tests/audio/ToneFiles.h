#pragma once

#include <string>

namespace quil::test {

// Short sine tones for the real sound device to play, written with the
// Debian encoders. The folders on the way must exist.
void WriteToneMp3(const std::string& path, double seconds);
void WriteToneWav(const std::string& path, double seconds);

}  // namespace quil::test
