#include "audio/SoundEffect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"
#include "audio/Effects.h"
#include "support/FakeMultimedia.h"

namespace quil::audio {
namespace {

TEST(SoundEffect, RebuildsThePathAtEveryPlayAndKeepsTheDevicesAnswer) {
  test::ScratchFolder folder;
  folder.Touch(effects::kClick);
  test::FakeMultimedia device;
  std::string appFolder = folder.Path();
  SoundEffect sound(device, [&] { return appFolder; });

  sound.Play(effects::kClick);
  EXPECT_EQ(sound.SoundFile(), folder.Path() + "/Sfx/A_click.wav");
  EXPECT_EQ(sound.SoundResult(), 1);

  sound.Play(effects::kStartup);
  EXPECT_EQ(sound.SoundFile(), folder.Path() + "/Sfx/startup2.wav");
  EXPECT_EQ(sound.SoundResult(), 0);

  appFolder = "/elsewhere";
  sound.Play(effects::kClick);
  EXPECT_EQ(sound.SoundFile(), "/elsewhere/Sfx/A_click.wav");
  EXPECT_EQ(sound.SoundResult(), 0);

  EXPECT_EQ(device.Effects(), (std::vector<std::string>{folder.Path() + "/Sfx/A_click.wav",
                                                         folder.Path() + "/Sfx/startup2.wav",
                                                         "/elsewhere/Sfx/A_click.wav"}));
}

}  // namespace
}  // namespace quil::audio
