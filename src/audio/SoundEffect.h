#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "audio/Multimedia.h"

namespace quil::audio {

// The sound effects of one screen: the path of the effect it started last and
// what the device answered, rebuilt from the application folder at every play.
class SoundEffect {
 public:
  SoundEffect(Multimedia& device, std::function<std::string()> appPath);

  // `relativePath` is one of the sounds (catalogue/Sounds.h), starting with "/".
  void Play(std::string_view relativePath);

  const std::string& SoundFile() const { return soundFile_; }
  // 1 when the effect started, 0 when it could not be played.
  int SoundResult() const { return soundResult_; }

 private:
  Multimedia& device_;
  std::function<std::string()> appPath_;
  std::string soundFile_;
  int soundResult_ = 0;
};

}  // namespace quil::audio
