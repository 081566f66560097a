#pragma once

#include <array>
#include <string_view>

#include "catalogue/Sounds.h"

namespace quil::home {

// One row of the home menu's playlist.
struct PlaylistTrack {
  int trackNumber;
  std::string_view procedure;
  // Relative to the application folder.
  std::string_view file;
};

// The playlist in its fixed order; it does not wrap.
inline constexpr std::array<PlaylistTrack, 5> kPlaylist{{
    {1, "PlayMenuMusic", catalogue::sounds::kMusic[0]},
    {2, "PlayMusic1", catalogue::sounds::kMusic[1]},
    {3, "PlayMusic2", catalogue::sounds::kMusic[2]},
    {4, "PlayMusic3", catalogue::sounds::kMusic[3]},
    {5, "PlayMusic4", catalogue::sounds::kMusic[4]},
}};

inline constexpr int kFirstTrack = kPlaylist.front().trackNumber;
inline constexpr int kLastTrack = kPlaylist.back().trackNumber;

// The row of a track number; nullptr for a number outside the playlist.
constexpr const PlaylistTrack* TrackAt(int trackNumber) {
  for (const PlaylistTrack& track : kPlaylist) {
    if (track.trackNumber == trackNumber) return &track;
  }
  return nullptr;
}

}  // namespace quil::home
