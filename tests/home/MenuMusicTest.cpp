#include "home/MenuMusic.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"
#include "home/Playlist.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"

namespace quil::home {
namespace {

using Commands = std::vector<std::string>;

// The home menu's music timers on a virtual clock, the playlist in a scratch
// application folder.
class MenuMusicTest : public ::testing::Test {
 protected:
  MenuMusicTest() { platform_.SetAppPath(folder_.Path()); }

  static rt::Form& CreateMenuForm(rt::Application& app) {
    app.RegisterForm("Form1", [](rt::Application& owner) {
      auto form = std::make_unique<rt::Form>(owner, "Form1");
      form->AddTimer("TimerMainMenuMusic", 1500);
      form->AddTimer("TimerMusicChange", 100);
      form->AddTimer("TimerWeatherMusic", 1000);
      return form;
    });
    return app.FormNamed("Form1");
  }

  void InstallPlaylist() {
    for (const PlaylistTrack& track : kPlaylist) folder_.Touch(track.file);
  }
  std::string Track(std::string_view file) const { return folder_.PathOf(file); }
  void Advance(int milliseconds) { app_.RunFor(rt::Milliseconds(milliseconds)); }

  test::ScratchFolder folder_;
  test::FakePlatform platform_;
  rt::Application app_{platform_};
  rt::Form& form_ = CreateMenuForm(app_);
  rt::Timer& mainMenuTimer_ = form_.TimerNamed("TimerMainMenuMusic");
  rt::Timer& changeTimer_ = form_.TimerNamed("TimerMusicChange");
  rt::Timer& weatherTimer_ = form_.TimerNamed("TimerWeatherMusic");
  test::FakeMultimedia device_;
  audio::Mp3Player player_{device_};
  MenuMusic music_{player_, [this] { return app_.Path(); }, mainMenuTimer_, changeTimer_, weatherTimer_};
};

TEST_F(MenuMusicTest, MenuTickStopsWhatPlaysAndStartsTheMenuTrackOnce) {
  InstallPlaylist();
  music_.SetTrackNumber(4);
  music_.PlayTrack(4);
  mainMenuTimer_.SetEnabled(true);

  Advance(1499);
  EXPECT_EQ(device_.SoundingTrack(), Track("/Music/3.mp3"));
  device_.ClearLog();
  Advance(1);
  const std::string menu = Track("/Music/Menu.mp3");
  EXPECT_EQ(device_.Commands(),
            (Commands{"stop MP3Play", "close MP3Play", "open " + menu + " MP3Play", "play MP3Play"}));
  EXPECT_EQ(music_.TrackNumber(), 1);
  EXPECT_EQ(music_.CurrentTrack(), menu);
  EXPECT_FALSE(mainMenuTimer_.Enabled());

  device_.ClearLog();
  Advance(5000);
  EXPECT_TRUE(device_.Commands().empty());
}

TEST_F(MenuMusicTest, ChangeTickPlaysTheTrackItsNumberNames) {
  InstallPlaylist();
  for (const PlaylistTrack& track : kPlaylist) {
    music_.SetTrackNumber(track.trackNumber);
    changeTimer_.SetEnabled(true);
    Advance(100);
    EXPECT_EQ(device_.SoundingTrack(), Track(track.file)) << track.procedure;
    EXPECT_EQ(music_.CurrentTrack(), Track(track.file)) << track.procedure;
    EXPECT_EQ(music_.TrackNumber(), track.trackNumber);
    EXPECT_FALSE(changeTimer_.Enabled());
  }
}

TEST_F(MenuMusicTest, ChangeTickOutsideThePlaylistOnlyStops) {
  InstallPlaylist();
  music_.PlayTrack(2);
  for (int outside : {0, 6}) {
    music_.SetTrackNumber(outside);
    device_.ClearLog();
    changeTimer_.SetEnabled(true);
    Advance(100);
    EXPECT_EQ(device_.Commands(), (Commands{"stop MP3Play", "close MP3Play"})) << outside;
    EXPECT_EQ(music_.CurrentTrack(), Track("/Music/1.mp3"));
    EXPECT_FALSE(changeTimer_.Enabled());
  }
}

TEST_F(MenuMusicTest, WeatherTickSilencesAndForgetsTheTrack) {
  InstallPlaylist();
  music_.SetTrackNumber(3);
  music_.PlayTrack(3);
  device_.ClearLog();
  weatherTimer_.SetEnabled(true);
  Advance(1000);
  EXPECT_EQ(device_.Commands(), (Commands{"stop MP3Play", "close MP3Play"}));
  EXPECT_EQ(device_.SoundingTrack(), "");
  EXPECT_EQ(music_.CurrentTrack(), "");
  EXPECT_EQ(music_.TrackNumber(), 3);
  EXPECT_FALSE(weatherTimer_.Enabled());
}

// Its callers stop the player first; without that the open is refused, yet
// the track procedure has already named the new track.
TEST_F(MenuMusicTest, PlayTrackNeitherStopsFirstNorMovesTheTrackNumber) {
  InstallPlaylist();
  music_.PlayTrack(1);
  music_.PlayTrack(5);
  EXPECT_EQ(device_.SoundingTrack(), Track("/Music/Menu.mp3"));
  EXPECT_EQ(music_.CurrentTrack(), Track("/Music/4.mp3"));
  EXPECT_EQ(music_.TrackNumber(), 1);
  EXPECT_NE(player_.MP3Status(), "Success");
}

TEST_F(MenuMusicTest, ThePendingMenuTickOverridesATrackChosenMeanwhile) {
  InstallPlaylist();
  mainMenuTimer_.SetEnabled(true);
  Advance(500);
  music_.SetTrackNumber(3);
  changeTimer_.SetEnabled(true);
  Advance(100);
  EXPECT_EQ(device_.SoundingTrack(), Track("/Music/2.mp3"));
  Advance(900);
  EXPECT_EQ(device_.SoundingTrack(), Track("/Music/Menu.mp3"));
  EXPECT_EQ(music_.TrackNumber(), 1);
}

TEST_F(MenuMusicTest, WithoutTheMusicFolderTheMenuIsSilentAndTheTimersStillStop) {
  mainMenuTimer_.SetEnabled(true);
  changeTimer_.SetEnabled(true);
  weatherTimer_.SetEnabled(true);
  Advance(2000);
  EXPECT_EQ(device_.Commands(), (Commands{"stop MP3Play", "close MP3Play", "stop MP3Play", "close MP3Play",
                                          "stop MP3Play", "close MP3Play"}));
  EXPECT_EQ(player_.MP3Status(), "Error with input file");
  EXPECT_FALSE(mainMenuTimer_.Enabled());
  EXPECT_FALSE(changeTimer_.Enabled());
  EXPECT_FALSE(weatherTimer_.Enabled());
  // The missing menu track is still named, so the music watchdog does not rearm.
  EXPECT_EQ(music_.CurrentTrack(), Track("/Music/Menu.mp3"));
  EXPECT_TRUE(music_.IsMenuTrack(music_.CurrentTrack()));
}

TEST_F(MenuMusicTest, IsMenuTrackMatchesOnlyThePlaylistPathsExactly) {
  for (const PlaylistTrack& track : kPlaylist) EXPECT_TRUE(music_.IsMenuTrack(Track(track.file))) << track.file;
  for (const std::string& other : {std::string(), Track("/Music/menu.mp3"), Track("/music/1.mp3"),
                                   Track("/Music/5.mp3"), std::string("/Music/Menu.mp3"), Track("/Music/Menu.mp3 ")}) {
    EXPECT_FALSE(music_.IsMenuTrack(other)) << other;
  }
}

}  // namespace
}  // namespace quil::home
