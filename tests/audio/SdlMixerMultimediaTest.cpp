#include "audio/SdlMixerMultimedia.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "support/ScratchFolder.h"
#include "ToneFiles.h"
#include "audio/MusicError.h"

namespace quil::audio {
namespace {

TEST(SdlMixerMultimedia, RefusesAFileThatIsNoMusic) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  SdlMixerMultimedia device;
  test::ScratchFolder folder;
  const std::string notMusic = folder.PathOf("/notes.mp3");
  std::ofstream(notMusic) << "these are words, not sound";

  EXPECT_EQ(device.OpenMusic(notMusic, "MP3Play"), kMusicFileUnplayable);
  EXPECT_FALSE(device.PlayEffect(notMusic));
}

// A machine without sound: the program goes on, silent, and the music device
// keeps its rules so the player behaves the same.
TEST(SdlMixerMultimedia, WithoutAnAudioDeviceRunsOnSilently) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SdlMixerMultimedia device;
  test::ScratchFolder folder;
  const std::string track = folder.PathOf("/menu track.mp3");
  const std::string effect = folder.PathOf("/click.wav");
  test::WriteToneMp3(track, 0.3);
  test::WriteToneWav(effect, 0.2);

  EXPECT_FALSE(device.Audible());
  EXPECT_FALSE(device.PlayEffect(effect));
  EXPECT_EQ(device.OpenMusic(folder.PathOf("/missing.mp3"), "MP3Play"), kMusicFileUnplayable);
  ASSERT_EQ(device.OpenMusic(track, "MP3Play"), kMusicOk);
  EXPECT_EQ(device.OpenMusic(track, "MP3Play"), kMusicAliasInUse);
  EXPECT_EQ(device.PlayMusic("MP3Play"), kMusicOk);
  EXPECT_FALSE(device.MusicSounding("MP3Play"));
  EXPECT_EQ(device.StopMusic("MP3Play"), kMusicOk);
  EXPECT_EQ(device.CloseMusic("MP3Play"), kMusicOk);
  EXPECT_EQ(device.CloseMusic("MP3Play"), kMusicAliasNotOpen);
  EXPECT_EQ(device.OpenMusic(track, "MP3Play"), kMusicOk);
}

}  // namespace
}  // namespace quil::audio
