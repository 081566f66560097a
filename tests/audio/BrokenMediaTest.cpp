#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <sstream>
#include <thread>

#include "BrokenMedia.h"
#include "support/ScratchFolder.h"
#include "ToneFiles.h"
#include "audio/Mp3Player.h"
#include "audio/SdlMixerMultimedia.h"

namespace quil::test {
namespace {

using audio::Mp3Player;
using audio::SdlMixerMultimedia;
using namespace std::chrono_literals;

// Runs `call` and fails the test if it has not returned within five seconds: a
// call that waits for a named pipe's writer waits for ever, so the bound need
// only outlast a busy machine. A call stuck that way is set free by a writer
// that comes and goes.
void Promptly(const std::string& what, const std::string& path, const std::function<void()>& call) {
  std::promise<void> done;
  std::future<void> returned = done.get_future();
  std::thread caller([&] {
    call();
    done.set_value();
  });
  if (returned.wait_for(5s) != std::future_status::ready) {
    ADD_FAILURE() << what << " blocked on " << path;
    close(open(path.c_str(), O_WRONLY));
  }
  caller.join();
}

// What the device said on stderr about a bad file: at most one line, and that
// one naming the file.
void ExpectAtMostOneLineNaming(const std::string& said, const std::string& path) {
  std::istringstream lines(said);
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count)
    EXPECT_NE(line.find(path), std::string::npos) << "a line that does not name the file: " << line;
  EXPECT_LE(count, 1) << said;
}

// The real mixer on SDL's dummy output, which consumes sound in real time.
struct DummyOutput {
  DummyOutput() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

class BrokenMediaTest : public ::testing::Test, DummyOutput {
 protected:
  SdlMixerMultimedia device;
  ScratchFolder folder;
};

TEST_F(BrokenMediaTest, ABrokenEffectIsSilentReturnsAtOnceAndIsNamedOnStderrAtMostOnce) {
  for (const auto& kind : BrokenMediaKinds()) {
    if (kind.kind == BrokenMedia::TruncatedMp3 || kind.kind == BrokenMedia::TwoHourMp3) continue;
    SCOPED_TRACE(std::string(kind.name));
    const std::string path = folder.PathOf("/" + std::string(kind.name) + ".wav");
    MakeBrokenMedia(kind.kind, path);
    ::testing::internal::CaptureStderr();
    for (int play = 0; play < 3; ++play) {
      bool played = true;
      Promptly("playing an effect", path, [&] { played = device.PlayEffect(path); });
      if (kind.kind != BrokenMedia::TruncatedWav) {
        EXPECT_FALSE(played);
      }
    }
    ExpectAtMostOneLineNaming(::testing::internal::GetCapturedStderr(), path);
  }
}

TEST_F(BrokenMediaTest, ABrokenTrackLeavesTheMusicSilentAndTheDeviceFree) {
  ASSERT_TRUE(device.Audible());
  Mp3Player player(device);
  const std::string good = folder.PathOf("/good.mp3");
  WriteToneMp3(good, 0.5);
  for (const auto& kind : BrokenMediaKinds()) {
    if (kind.kind == BrokenMedia::TruncatedWav || kind.kind == BrokenMedia::TwoHourMp3) continue;
    SCOPED_TRACE(std::string(kind.name));
    const std::string path = folder.PathOf("/Menu " + std::string(kind.name) + ".mp3");
    MakeBrokenMedia(kind.kind, path);
    ::testing::internal::CaptureStderr();
    for (int play = 0; play < 3; ++play) {
      Promptly("opening a track", path, [&] { player.MP3Play(path); });
      const bool playable = kind.kind == BrokenMedia::TruncatedMp3;
      EXPECT_EQ(player.MP3Status() == Mp3Player::kStatusSuccess, playable) << player.MP3Status();
      EXPECT_EQ(device.MusicSounding(std::string(Mp3Player::kAlias)), playable);
      player.MP3Stop();
    }
    ExpectAtMostOneLineNaming(::testing::internal::GetCapturedStderr(), path);
    player.MP3Play(good);
    EXPECT_EQ(player.MP3Status(), Mp3Player::kStatusSuccess) << "the device is free again";
    player.MP3Stop();
  }
}

TEST_F(BrokenMediaTest, ATwoHourTrackStartsAtOnceAndPlaysOn) {
  Mp3Player player(device);
  const std::string path = folder.PathOf("/Menu.mp3");
  MakeBrokenMedia(BrokenMedia::TwoHourMp3, path);
  Promptly("opening a two-hour track", path, [&] { player.MP3Play(path); });
  EXPECT_EQ(player.MP3Status(), Mp3Player::kStatusSuccess);
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(device.MusicSounding(std::string(Mp3Player::kAlias)));
  player.MP3Stop();
}

}  // namespace
}  // namespace quil::test
