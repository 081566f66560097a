#include "home/MenuMusic.h"

#include <algorithm>
#include <utility>

namespace quil::home {

MenuMusic::MenuMusic(audio::Mp3Player& player, std::function<std::string()> appPath, rt::Timer& timerMainMenuMusic,
                     rt::Timer& timerMusicChange, rt::Timer& timerWeatherMusic)
    : player_(player),
      appPath_(std::move(appPath)),
      timerMainMenuMusic_(timerMainMenuMusic),
      timerMusicChange_(timerMusicChange),
      timerWeatherMusic_(timerWeatherMusic) {
  timerMainMenuMusic_.OnTimer([this] { TimerMainMenuMusic_Timer(); });
  timerMusicChange_.OnTimer([this] { TimerMusicChange_Timer(); });
  timerWeatherMusic_.OnTimer([this] { TimerWeatherMusic_Timer(); });
}

void MenuMusic::PlayTrack(int trackNumber) {
  const PlaylistTrack* track = TrackAt(trackNumber);
  if (!track) return;
  currentTrack_ = TrackPath(track->file);
  player_.MP3Play(currentTrack_);
}

void MenuMusic::TimerMainMenuMusic_Timer() {
  player_.MP3Stop();
  trackNumber_ = kFirstTrack;
  PlayTrack(kFirstTrack);
  timerMainMenuMusic_.SetEnabled(false);
}

void MenuMusic::TimerMusicChange_Timer() {
  player_.MP3Stop();
  PlayTrack(trackNumber_);
  timerMusicChange_.SetEnabled(false);
}

void MenuMusic::TimerWeatherMusic_Timer() {
  player_.MP3Stop();
  currentTrack_.clear();
  timerWeatherMusic_.SetEnabled(false);
}

void MenuMusic::CancelPendingTracks() {
  timerMainMenuMusic_.SetEnabled(false);
  timerMusicChange_.SetEnabled(false);
}

bool MenuMusic::IsMenuTrack(const std::string& path) const {
  return std::ranges::any_of(kPlaylist, [&](const PlaylistTrack& track) { return path == TrackPath(track.file); });
}

std::string MenuMusic::TrackPath(std::string_view file) const { return appPath_() + std::string(file); }

}  // namespace quil::home
