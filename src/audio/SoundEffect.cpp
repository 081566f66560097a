#include "audio/SoundEffect.h"

#include <utility>

namespace quil::audio {

SoundEffect::SoundEffect(Multimedia& device, std::function<std::string()> appPath)
    : device_(device), appPath_(std::move(appPath)) {}

void SoundEffect::Play(std::string_view relativePath) {
  soundFile_ = appPath_() + std::string(relativePath);
  soundResult_ = device_.PlayEffect(soundFile_) ? 1 : 0;
}

}  // namespace quil::audio
