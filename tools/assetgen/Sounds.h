#pragma once

#include <filesystem>
#include <string>

namespace quil::assetgen {

// Writes the named sound effect as 16-bit 44.1 kHz PCM WAV; throws for a name it does not know.
void WriteEffect(const std::string& name, const std::filesystem::path& file);
// Composes the named playlist track and writes it as a 44.1 kHz stereo MP3.
void WriteTrack(const std::string& name, const std::filesystem::path& file);

}  // namespace quil::assetgen
