#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "audio/Multimedia.h"

namespace quil::audio {

// The home menu's background-music engine: one music device under the alias
// "MP3Play". It knows nothing of tracks or timers; callers stop it before
// they start another file, since a second open of the alias is refused.
class Mp3Player {
 public:
  static constexpr std::string_view kAlias = "MP3Play";
  // The open command travels in a fixed field of this many characters.
  static constexpr std::size_t kCommandField = 255;

  static constexpr std::string_view kStatusSuccess = "Success";
  static constexpr std::string_view kStatusInputFile = "Error with input file";
  // Even the path's short form leaves no room in the open command.
  static constexpr std::string_view kStatusPathTooLong =
      "Error with input file: the path is too long for the 255-character open command";

  explicit Mp3Player(Multimedia& device);

  // Opens the file under the alias and starts it from the beginning, once.
  void MP3Play(const std::string& path);
  // Stops and releases the device.
  void MP3Stop();
  // Only stops; the device stays open.
  void MP3Stop2();

  // The outcome of the last MP3Play: "Success", "Error with input file", a
  // refusal for an over-long path, or the device's message for a refused open.
  const std::string& MP3Status() const { return status_; }

 private:
  Multimedia& device_;
  std::string status_;
};

}  // namespace quil::audio
