#include "home/MenuMusic.h"

#include <algorithm>
#include <utility>

namespace quil::home {

MenuMusic::MenuMusic(audio::Mp3Player& player, std::function<std::string()> appPath, rt::Timer& menuTrackDelay,
                     rt::Timer& trackChange, rt::Timer& broadcastSilence)
    : player_(player),
      appPath_(std::move(appPath)),
      menuTrackDelay_(menuTrackDelay),
      trackChange_(trackChange),
      broadcastSilence_(broadcastSilence) {
  menuTrackDelay_.OnTimer([this] { OnMenuTrackDue(); });
  trackChange_.OnTimer([this] { OnTrackChangeDue(); });
  broadcastSilence_.OnTimer([this] { OnSilenceDue(); });
}

void MenuMusic::PlayTrack(int trackNumber) {
  const PlaylistTrack* track = TrackAt(trackNumber);
  if (!track) return;
  currentTrack_ = TrackPath(track->file);
  player_.MP3Play(currentTrack_);
}

void MenuMusic::OnMenuTrackDue() {
  player_.MP3Stop();
  trackNumber_ = kFirstTrack;
  PlayTrack(kFirstTrack);
  menuTrackDelay_.SetEnabled(false);
}

void MenuMusic::OnTrackChangeDue() {
  player_.MP3Stop();
  PlayTrack(trackNumber_);
  trackChange_.SetEnabled(false);
}

void MenuMusic::OnSilenceDue() {
  player_.MP3Stop();
  currentTrack_.clear();
  broadcastSilence_.SetEnabled(false);
}

void MenuMusic::CancelPendingTracks() {
  menuTrackDelay_.SetEnabled(false);
  trackChange_.SetEnabled(false);
}

void MenuMusic::RestoreMenuMusic() {
  if (IsMenuTrack(currentTrack_) || menuTrackDelay_.Enabled()) return;
  player_.MP3Stop();
  menuTrackDelay_.SetEnabled(true);
}

bool MenuMusic::IsMenuTrack(const std::string& path) const {
  return std::ranges::any_of(kPlaylist, [&](const PlaylistTrack& track) { return path == TrackPath(track.file); });
}

std::string MenuMusic::TrackPath(std::string_view file) const { return appPath_() + std::string(file); }

}  // namespace quil::home
