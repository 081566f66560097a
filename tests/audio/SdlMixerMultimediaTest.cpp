#include "audio/SdlMixerMultimedia.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

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

// One effect at a time: two tones of different pitch that sounded together
// would beat up to twice the loudness of either.
TEST(SdlMixerMultimedia, ASecondEffectCutsOffTheFirst) {
  test::ScratchFolder folder;
  const std::string capture = folder.PathOf("/sound.raw");
  const std::string low = folder.PathOf("/low.wav");
  const std::string high = folder.PathOf("/high.wav");
  test::WriteToneWav(low, 0.4, 440);
  test::WriteToneWav(high, 0.4, 550);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
  {
    SdlMixerMultimedia device;
    ASSERT_TRUE(device.PlayEffect(low));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(device.PlayEffect(high));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
  unsetenv("SDL_DISKAUDIOFILE");

  // Signed 16-bit stereo, as the device writes it.
  std::ifstream file(capture, std::ios::binary);
  std::vector<std::int16_t> samples;
  for (std::int16_t sample; file.read(reinterpret_cast<char*>(&sample), sizeof sample);) samples.push_back(sample);
  int peak = 0;
  for (const std::int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
  EXPECT_GT(peak, 0.9 * test::kToneLoudness) << "the effects were heard";
  EXPECT_LT(peak, 1.2 * test::kToneLoudness) << "two effects at once";
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
