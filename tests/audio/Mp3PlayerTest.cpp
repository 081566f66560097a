#include "audio/Mp3Player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"
#include "audio/MusicError.h"
#include "support/FakeMultimedia.h"

namespace quil::audio {
namespace {

using Commands = std::vector<std::string>;

class Mp3PlayerTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder_;
  test::FakeMultimedia device_;
  Mp3Player player_{device_};
  const std::string menu_ = folder_.Touch("/Music/Menu.mp3");
  const std::string first_ = folder_.Touch("/Music/1.mp3");
};

TEST_F(Mp3PlayerTest, PlaysAnExistingFileUnderItsAlias) {
  player_.MP3Play(menu_);
  EXPECT_EQ(player_.MP3Status(), "Success");
  EXPECT_EQ(device_.Commands(), (Commands{"open " + menu_ + " MP3Play", "play MP3Play"}));
  EXPECT_EQ(device_.SoundingTrack(), menu_);
}

TEST_F(Mp3PlayerTest, WhatIsNoOrdinaryFileIsRefusedBeforeTheDevice) {
  for (const std::string& path : {folder_.PathOf("/Music/missing.mp3"), folder_.PathOf("/Music"), std::string()}) {
    player_.MP3Play(path);
    EXPECT_EQ(player_.MP3Status(), "Error with input file") << path;
  }
  EXPECT_TRUE(device_.Commands().empty());
}

TEST_F(Mp3PlayerTest, ASecondPlayWithoutStopLeavesTheFirstTrackPlaying) {
  player_.MP3Play(menu_);
  player_.MP3Play(first_);
  EXPECT_EQ(player_.MP3Status(), device_.ErrorText(kMusicAliasInUse));
  EXPECT_NE(player_.MP3Status(), "Success");
  EXPECT_EQ(device_.SoundingTrack(), menu_);
  EXPECT_EQ(device_.Commands().back(), "open " + first_ + " MP3Play");
}

TEST_F(Mp3PlayerTest, StopReleasesTheDeviceAndStop2OnlyHaltsIt) {
  player_.MP3Play(menu_);
  player_.MP3Stop2();
  EXPECT_EQ(device_.Commands().back(), "stop MP3Play");
  EXPECT_TRUE(device_.MusicOpen("MP3Play"));
  EXPECT_EQ(device_.SoundingTrack(), "");

  device_.ClearLog();
  player_.MP3Stop();
  EXPECT_EQ(device_.Commands(), (Commands{"stop MP3Play", "close MP3Play"}));
  EXPECT_FALSE(device_.MusicOpen("MP3Play"));
}

TEST_F(Mp3PlayerTest, StopWithNothingOpenChangesNothing) {
  player_.MP3Play(folder_.PathOf("/Music/missing.mp3"));
  player_.MP3Stop();
  player_.MP3Stop();
  EXPECT_EQ(player_.MP3Status(), "Error with input file");
  EXPECT_FALSE(device_.MusicOpen("MP3Play"));
  // Afterwards the player still opens and plays.
  player_.MP3Play(menu_);
  EXPECT_EQ(player_.MP3Status(), "Success");
  EXPECT_EQ(device_.SoundingTrack(), menu_);
}

TEST_F(Mp3PlayerTest, AnEndedTrackPlaysAgainAfterAStop) {
  player_.MP3Play(menu_);
  device_.FinishTrack();
  // Ended but still open: without a stop the same file is refused.
  player_.MP3Play(menu_);
  EXPECT_EQ(device_.SoundingTrack(), "");

  player_.MP3Stop();
  device_.ClearLog();
  player_.MP3Play(menu_);
  EXPECT_EQ(player_.MP3Status(), "Success");
  EXPECT_EQ(device_.Commands(), (Commands{"open " + menu_ + " MP3Play", "play MP3Play"}));
  EXPECT_EQ(device_.SoundingTrack(), menu_);
}

// "open " + path + " type MPEGVideo Alias MP3Play" is 34 characters besides
// the path, and the command field holds 255: paths up to 221 characters fit.
class Mp3PlayerCommandFieldTest : public Mp3PlayerTest {
 protected:
  // A file whose full path is exactly `characters` long, made of `filler`
  // (a multi-byte filler counts once per character) in folders short enough
  // for the file system.
  std::string FileWithPathLength(std::size_t characters, const std::string& filler) {
    const std::string tail = "/t.mp3";
    const std::size_t fillers = characters - folder_.Path().size() - 1 - tail.size();
    std::string folders;
    for (std::size_t i = 1; i <= fillers; ++i) folders += i % 60 == 0 ? "/" : filler;
    return folder_.Touch("/" + folders + tail);
  }
};

TEST_F(Mp3PlayerCommandFieldTest, APathThatFillsTheFieldExactlyPlays) {
  const std::string path = FileWithPathLength(221, "a");
  player_.MP3Play(path);
  EXPECT_EQ(player_.MP3Status(), "Success");
  EXPECT_EQ(device_.SoundingTrack(), path);
}

// A longer path reaches the device by its short form, through a handle on its
// folder, so music plays from a program folder at any depth.
TEST_F(Mp3PlayerCommandFieldTest, ALongerPathPlaysByItsShortForm) {
  for (const std::string filler : {"a", "é"}) {
    const std::string path = FileWithPathLength(300, filler);
    player_.MP3Play(path);
    EXPECT_EQ(player_.MP3Status(), "Success");
    const std::string heard = device_.SoundingTrack();
    EXPECT_TRUE(heard.starts_with("/proc/self/fd/")) << heard;
    EXPECT_TRUE(std::filesystem::equivalent(heard, path));
    player_.MP3Stop();
  }
}

TEST_F(Mp3PlayerCommandFieldTest, APathWhoseShortFormStillOverflowsIsRefusedWithoutTouchingTheDevice) {
  const std::string path = folder_.Touch("/" + std::string(240, 'n') + ".mp3");
  player_.MP3Play(path);
  EXPECT_EQ(player_.MP3Status(), Mp3Player::kStatusPathTooLong);
  EXPECT_TRUE(device_.Commands().empty());
}

TEST_F(Mp3PlayerCommandFieldTest, TheFieldCountsCharactersNotBytes) {
  const std::string path = FileWithPathLength(221, "é");
  ASSERT_GT(path.size(), 221u);
  player_.MP3Play(path);
  EXPECT_EQ(player_.MP3Status(), "Success");
  EXPECT_EQ(device_.SoundingTrack(), path) << "a path that fits travels as it is";
}

}  // namespace
}  // namespace quil::audio
