// One behaviour suite for every sound device: the recording fake must behave
// like the real SDL2_mixer device, or tests built on the fake prove nothing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "support/ScratchFolder.h"
#include "ToneFiles.h"
#include "audio/SdlMixerMultimedia.h"
#include "support/FakeMultimedia.h"

namespace quil::audio {
namespace {

using namespace std::chrono_literals;

struct FakeDevice {
  using Device = test::FakeMultimedia;
  static std::unique_ptr<Device> Make(const test::ScratchFolder&) { return std::make_unique<Device>(); }
  static bool AwaitTrackEnd(Device& device, const std::string& alias, double /*seconds*/, const test::ScratchFolder&) {
    device.FinishTrack();
    return !device.MusicSounding(alias);
  }
  static void Linger() {}
};

// Seconds of the last stretch of sound in a capture of SDL's disk output
// (44100 Hz, 16-bit, stereo), pauses shorter than a tenth of a second within it.
double LastSoundSeconds(const std::string& capture) {
  constexpr int kRate = 44100, kLoud = 1000, kPauseFrames = kRate / 10;
  std::ifstream file(capture, std::ios::binary);
  long frame = 0, first = -1, last = -1;
  for (std::int16_t sample[2]; file.read(reinterpret_cast<char*>(sample), sizeof sample); ++frame) {
    if (std::abs(sample[0]) < kLoud && std::abs(sample[1]) < kLoud) continue;
    if (first < 0 || frame - last > kPauseFrames) first = frame;
    last = frame;
  }
  return first < 0 ? 0 : static_cast<double>(last - first + 1) / kRate;
}

struct SdlDevice {
  using Device = SdlMixerMultimedia;
  // No sound card needed: SDL's disk output consumes the sound in real time
  // and keeps it, so what was played is measured in sound, which a busy
  // machine can delay but not stretch.
  static std::string Capture(const test::ScratchFolder& folder) { return folder.PathOf("/output.raw"); }
  static std::unique_ptr<Device> Make(const test::ScratchFolder& folder) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", Capture(folder).c_str(), 1);
    auto device = std::make_unique<Device>();
    EXPECT_TRUE(device->Audible());
    return device;
  }
  // True when the track falls silent after one play: its sound lasted about
  // its length, not twice as long. The wait is bounded only to catch a track
  // that never ends.
  static bool AwaitTrackEnd(Device& device, const std::string& alias, double seconds,
                            const test::ScratchFolder& folder) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::duration<double>(30 * seconds);
    while (device.MusicSounding(alias)) {
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(10ms);
    }
    const double heard = LastSoundSeconds(Capture(folder));
    return heard > 0.6 * seconds && heard < 1.8 * seconds;
  }
  // Long enough for a track that wrongly repeats to be heard again.
  static void Linger() { std::this_thread::sleep_for(500ms); }
};

template <class Kind>
class MultimediaContract : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = Kind::Make(folder_);
    std::filesystem::create_directories(std::filesystem::path(track_).parent_path());
    test::WriteToneMp3(track_, kTrackSeconds);
    test::WriteToneMp3(otherTrack_, kTrackSeconds);
    test::WriteToneWav(effect_, 0.2);
  }

  static constexpr double kTrackSeconds = 0.5;
  test::ScratchFolder folder_;
  // Blanks and characters beyond ASCII reach the device untouched.
  const std::string track_ = folder_.PathOf("/Música de fondo/menu track ♪.mp3");
  const std::string otherTrack_ = folder_.PathOf("/Música de fondo/other.mp3");
  const std::string effect_ = folder_.PathOf("/Música de fondo/click ✓.wav");
  const std::string alias_ = "MP3Play";
  std::unique_ptr<typename Kind::Device> device_;
};

// The fake first, then the real device, whose cases play in real time:
// tests/audio/CMakeLists.txt labels MultimediaContract/1 `realtime`.
using Devices = ::testing::Types<FakeDevice, SdlDevice>;
TYPED_TEST_SUITE(MultimediaContract, Devices);

TYPED_TEST(MultimediaContract, AnOpenAliasRefusesASecondOpenWithAMessage) {
  auto& device = *this->device_;
  ASSERT_EQ(device.OpenMusic(this->track_, this->alias_), 0);
  const int refused = device.OpenMusic(this->otherTrack_, this->alias_);
  EXPECT_NE(refused, 0);
  EXPECT_FALSE(device.ErrorText(refused).empty());
  // The refusal leaves the first file under the alias.
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_TRUE(device.MusicSounding(this->alias_));
}

TYPED_TEST(MultimediaContract, StopSilencesButKeepsTheAliasOpen) {
  auto& device = *this->device_;
  ASSERT_EQ(device.OpenMusic(this->track_, this->alias_), 0);
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_EQ(device.StopMusic(this->alias_), 0);
  EXPECT_FALSE(device.MusicSounding(this->alias_));
  EXPECT_NE(device.OpenMusic(this->track_, this->alias_), 0);
}

TYPED_TEST(MultimediaContract, CloseSilencesAndFreesTheAlias) {
  auto& device = *this->device_;
  ASSERT_EQ(device.OpenMusic(this->track_, this->alias_), 0);
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_EQ(device.CloseMusic(this->alias_), 0);
  EXPECT_FALSE(device.MusicSounding(this->alias_));
  EXPECT_EQ(device.OpenMusic(this->otherTrack_, this->alias_), 0);
  EXPECT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_TRUE(device.MusicSounding(this->alias_));
}

TYPED_TEST(MultimediaContract, WhatIsNoFileFailsToOpenAndLeavesTheAliasFree) {
  auto& device = *this->device_;
  EXPECT_NE(device.OpenMusic(this->folder_.PathOf("/Music/missing.mp3"), this->alias_), 0);
  EXPECT_NE(device.OpenMusic(this->folder_.Path(), this->alias_), 0);
  EXPECT_NE(device.PlayMusic(this->alias_), 0);
  EXPECT_EQ(device.OpenMusic(this->track_, this->alias_), 0);
}

TYPED_TEST(MultimediaContract, StopAndCloseOfAClosedAliasFailWithoutEffect) {
  auto& device = *this->device_;
  EXPECT_NE(device.StopMusic(this->alias_), 0);
  EXPECT_NE(device.CloseMusic(this->alias_), 0);
  // Nor do they touch the music of another alias.
  ASSERT_EQ(device.OpenMusic(this->track_, "Other"), 0);
  ASSERT_EQ(device.PlayMusic("Other"), 0);
  EXPECT_NE(device.StopMusic(this->alias_), 0);
  EXPECT_NE(device.CloseMusic(this->alias_), 0);
  EXPECT_TRUE(device.MusicSounding("Other"));
}

TYPED_TEST(MultimediaContract, PlayRunsOnceToTheEndAndTheDeviceStaysOpen) {
  auto& device = *this->device_;
  ASSERT_EQ(device.OpenMusic(this->track_, this->alias_), 0);
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_TRUE(device.MusicSounding(this->alias_));
  ASSERT_TRUE(TypeParam::AwaitTrackEnd(device, this->alias_, this->kTrackSeconds, this->folder_));
  TypeParam::Linger();
  EXPECT_FALSE(device.MusicSounding(this->alias_));
  EXPECT_NE(device.OpenMusic(this->track_, this->alias_), 0);
  // Played again, it starts anew and ends anew.
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_TRUE(device.MusicSounding(this->alias_));
  EXPECT_TRUE(TypeParam::AwaitTrackEnd(device, this->alias_, this->kTrackSeconds, this->folder_));
}

TYPED_TEST(MultimediaContract, EffectsSoundOverTheMusic) {
  auto& device = *this->device_;
  ASSERT_EQ(device.OpenMusic(this->track_, this->alias_), 0);
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_TRUE(device.PlayEffect(this->effect_));
  // The next effect is taken while one still sounds; that the real device
  // cuts the first off is heard in its own test.
  EXPECT_TRUE(device.PlayEffect(this->effect_));
  EXPECT_FALSE(device.PlayEffect(this->folder_.PathOf("/Sfx/missing.wav")));
  EXPECT_TRUE(device.MusicSounding(this->alias_));
}

}  // namespace
}  // namespace quil::audio
