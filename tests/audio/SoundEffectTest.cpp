#include "audio/SoundEffect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"
#include "support/FakeMultimedia.h"

namespace quil::audio {
namespace {

constexpr std::string_view kClick = "/Sfx/click.wav";
constexpr std::string_view kJingle = "/Sfx/jingle.wav";

TEST(SoundEffect, RebuildsThePathAtEveryPlayAndKeepsTheDevicesAnswer) {
  test::ScratchFolder folder;
  folder.Touch(kClick);
  test::FakeMultimedia device;
  std::string appFolder = folder.Path();
  SoundEffect sound(device, [&] { return appFolder; });

  sound.Play(kClick);
  EXPECT_EQ(sound.SoundFile(), folder.Path() + "/Sfx/click.wav");
  EXPECT_EQ(sound.SoundResult(), 1);

  sound.Play(kJingle);
  EXPECT_EQ(sound.SoundFile(), folder.Path() + "/Sfx/jingle.wav");
  EXPECT_EQ(sound.SoundResult(), 0);

  appFolder = "/elsewhere";
  sound.Play(kClick);
  EXPECT_EQ(sound.SoundFile(), "/elsewhere/Sfx/click.wav");
  EXPECT_EQ(sound.SoundResult(), 0);

  EXPECT_EQ(device.Effects(), (std::vector<std::string>{folder.Path() + "/Sfx/click.wav",
                                                         folder.Path() + "/Sfx/jingle.wav",
                                                         "/elsewhere/Sfx/click.wav"}));
}

}  // namespace
}  // namespace quil::audio
