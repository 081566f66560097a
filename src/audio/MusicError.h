#pragma once

#include <string>

namespace quil::audio {

// The codes a music device returns; 0 is success.
enum MusicError : int {
  kMusicOk = 0,
  kMusicFileUnplayable = 1,
  kMusicAliasInUse = 2,
  kMusicAliasNotOpen = 3,
  kMusicPlaybackFailed = 4,
};

// The message a music device gives for one of its codes.
std::string MusicErrorText(int code);

}  // namespace quil::audio
