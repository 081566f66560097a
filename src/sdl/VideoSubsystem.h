#pragma once

namespace quil::sdl {

// SDL's video for the life of the object. Audio is the audio layer's own.
class VideoSubsystem {
 public:
  // Throws std::runtime_error when there is no display to open.
  VideoSubsystem();
  ~VideoSubsystem();
  VideoSubsystem(const VideoSubsystem&) = delete;
  VideoSubsystem& operator=(const VideoSubsystem&) = delete;
};

}  // namespace quil::sdl
