#include "audio/MusicError.h"

#include <array>
#include <string_view>

namespace quil::audio {
namespace {

struct Message {
  MusicError code;
  std::string_view text;
};

constexpr std::array kMessages{
    Message{kMusicOk, "The music device did what was asked."},
    Message{kMusicFileUnplayable,
            "The file cannot be opened as music: it is missing, unreadable or not in a format the device plays."},
    Message{kMusicAliasInUse, "The alias is already open; close it before opening another file under it."},
    Message{kMusicAliasNotOpen, "No music device is open under this alias."},
    Message{kMusicPlaybackFailed, "The music device could not start playback."},
};

}  // namespace

std::string MusicErrorText(int code) {
  for (const Message& message : kMessages) {
    if (message.code == code) return std::string(message.text);
  }
  return "Unknown music device error " + std::to_string(code) + ".";
}

}  // namespace quil::audio
