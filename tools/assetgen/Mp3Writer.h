#pragma once

#include <filesystem>

#include "Synth.h"

namespace quil::assetgen {

// Encodes a finished take as a constant-bit-rate stereo MP3 with libmp3lame.
void WriteMp3(const Stereo& take, int kbps, const std::filesystem::path& file);

}  // namespace quil::assetgen
