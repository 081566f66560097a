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
  MenuMusic(audio::Mp3Player& player, std::function<std::string()> appPath, rt::Timer& timerMainMenuMusic,
            rt::Timer& timerMusicChange, rt::Timer& timerWeatherMusic);
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

  // Back to the menu track, from the start.
  void TimerMainMenuMusic_Timer();
  // The track the music panel has chosen.
  void TimerMusicChange_Timer();
  // The Forecast and News channels play no music.
  void TimerWeatherMusic_Timer();

  // Drops the tracks the menu-music and track-change timers would start: a
  // channel screen plays no music, whatever the menu had asked for before.
  void CancelPendingTracks();

  // Whether `path` is one of the playlist's tracks, compared exactly.
  bool IsMenuTrack(const std::string& path) const;

 private:
  std::string TrackPath(std::string_view file) const;

  audio::Mp3Player& player_;
  std::function<std::string()> appPath_;
  rt::Timer& timerMainMenuMusic_;
  rt::Timer& timerMusicChange_;
  rt::Timer& timerWeatherMusic_;
  std::string currentTrack_;
  int trackNumber_ = kFirstTrack;
};

}  // namespace quil::home
