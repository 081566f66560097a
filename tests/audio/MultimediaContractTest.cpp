// One behaviour suite for every sound device: the recording fake must behave
// like the real SDL2_mixer device, or tests built on the fake prove nothing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
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
  static std::unique_ptr<Device> Make() { return std::make_unique<Device>(); }
  static bool AwaitTrackEnd(Device& device, const std::string& alias, double /*seconds*/) {
    device.FinishTrack();
    return !device.MusicSounding(alias);
  }
  static void Linger() {}
};

struct SdlDevice {
  using Device = SdlMixerMultimedia;
  static std::unique_ptr<Device> Make() {
    // No sound card needed: the dummy driver consumes the sound in real time.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto device = std::make_unique<Device>();
    EXPECT_TRUE(device->Audible());
    return device;
  }
  // True when the track falls silent about when one play of `seconds` ends:
  // not at once, and not as late as a second time through.
  static bool AwaitTrackEnd(Device& device, const std::string& alias, double seconds) {
    const std::chrono::duration<double> length(seconds);
    const auto start = std::chrono::steady_clock::now();
    while (device.MusicSounding(alias)) {
      if (std::chrono::steady_clock::now() - start > 1.8 * length) return false;
      std::this_thread::sleep_for(10ms);
    }
    return std::chrono::steady_clock::now() - start > 0.6 * length;
  }
  // Long enough for a track that wrongly repeats to be heard again.
  static void Linger() { std::this_thread::sleep_for(500ms); }
};

template <class Kind>
class MultimediaContract : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = Kind::Make();
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
  ASSERT_TRUE(TypeParam::AwaitTrackEnd(device, this->alias_, this->kTrackSeconds));
  TypeParam::Linger();
  EXPECT_FALSE(device.MusicSounding(this->alias_));
  EXPECT_NE(device.OpenMusic(this->track_, this->alias_), 0);
  // Played again, it starts anew and ends anew.
  ASSERT_EQ(device.PlayMusic(this->alias_), 0);
  EXPECT_TRUE(device.MusicSounding(this->alias_));
  EXPECT_TRUE(TypeParam::AwaitTrackEnd(device, this->alias_, this->kTrackSeconds));
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
