#pragma once

#include <string>

namespace quil::test {

// Short sine tones for the real sound device to play, written with the
// Debian encoders. The folders on the way must exist.
void WriteToneMp3(const std::string& path, double seconds);
void WriteToneWav(const std::string& path, double seconds, double pitchHz = 440);

// The peak of every tone, in 16-bit samples.
inline constexpr double kToneLoudness = 8000;

}  // namespace quil::test
