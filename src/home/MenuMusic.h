#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "audio/Mp3Player.h"
#include "home/Playlist.h"
#include "runtime/Timer.h"

namespace quil::home {

// Which playlist track the home menu plays and when. Other parts ask for a
// change by enabling one of the three one-shot timers; each tick stops the
// player first, so whichever tick comes last decides what plays.
class MenuMusic {
 public:
  MenuMusic(audio::Mp3Player& player, std::function<std::string()> appPath, rt::Timer& menuTrackDelay,
            rt::Timer& trackChange, rt::Timer& broadcastSilence);
  // The timers call back into this object.
  MenuMusic(const MenuMusic&) = delete;
  MenuMusic& operator=(const MenuMusic&) = delete;

  // Full path of the track last handed to the player; empty after weather music.
  const std::string& CurrentTrack() const { return currentTrack_; }
  // Position 1 to 5 in the playlist.
  int TrackNumber() const { return trackNumber_; }
  void SetTrackNumber(int trackNumber) { trackNumber_ = trackNumber; }

  // The track procedure of one playlist row: it neither stops the player first
  // nor touches TrackNumber. A number outside the playlist starts nothing.
  void PlayTrack(int trackNumber);

  // The menu track, from its start, once the menu-track delay is over.
  void PlayMenuTrackSoon() { menuTrackDelay_.SetEnabled(true); }
  // The track chosen last, once the track-change delay is over.
  void ChangeTrackSoon() { trackChange_.SetEnabled(true); }
  // The forecast and news channels silence the music once their delay is over.
  void SilenceSoon() { broadcastSilence_.SetEnabled(true); }
  // The menu's own music comes back whenever something else was left playing,
  // unless it is already on its way.
  void RestoreMenuMusic();

  // Drops the tracks the menu-music and track-change timers would start: a
  // channel screen plays no music, whatever the menu had asked for before.
  void CancelPendingTracks();

  // Whether `path` is one of the playlist's tracks, compared exactly.
  bool IsMenuTrack(const std::string& path) const;

 private:
  void OnMenuTrackDue();
  void OnTrackChangeDue();
  void OnSilenceDue();
  std::string TrackPath(std::string_view file) const;

  audio::Mp3Player& player_;
  std::function<std::string()> appPath_;
  rt::Timer& menuTrackDelay_;
  rt::Timer& trackChange_;
  rt::Timer& broadcastSilence_;
  std::string currentTrack_;
  int trackNumber_ = kFirstTrack;
};

}  // namespace quil::home
