#include <filesystem>
#include <functional>

#include "HomeFixture.h"
#include "home/MenuDesign.h"

namespace quil::test {
namespace {

using home::design::kFrameGrey;
using home::design::kFrameTeal;

class TileHover : public HomeFixture {
 protected:
  bool Highlighted(int tile) {
    return *Frame(tile).BorderColor() == kFrameTeal && Frame(tile).BorderWidth() == 2;
  }
  bool AtRest(int tile) { return *Frame(tile).BorderColor() == kFrameGrey && Frame(tile).BorderWidth() == 1; }
};

TEST_F(TileHover, FromTileToTileAcrossTheBackground) {
  MenuAtRest();
  MoveOverBackground();
  driver.MoveOver("Shape1Image");
  EXPECT_TRUE(Highlighted(1));
  EXPECT_EQ(HoverSounds(), 1);
  driver.MoveTo(2000, 1500);
  EXPECT_EQ(HoverSounds(), 1) << "one sound per visit";

  MoveOverBackground();
  EXPECT_TRUE(AtRest(1));
  driver.MoveOver("Shape2Image");
  EXPECT_TRUE(Highlighted(2));
  EXPECT_TRUE(AtRest(1));
  EXPECT_EQ(HoverSounds(), 2);
}

TEST_F(TileHover, OneFrameAtATimeUntilAResetRuns) {
  auto& menu = MenuAtRest();
  MoveOverBackground();
  driver.MoveOver("Shape1Image");
  driver.MoveOver("Shape2Image");
  EXPECT_TRUE(AtRest(2));
  EXPECT_TRUE(menu.TilesPart().Outlined());
}

TEST_F(TileHover, DuringTheJingleTheBackgroundOnlyHoldsTheSoundBack) {
  auto& menu = Reveal();
  for (const char* phase : {"Timer2", "Timer3"}) {
    driver.Advance(300);
    ASSERT_TRUE(menu.TimerNamed(phase).Enabled());
    MoveOverBackground();
    EXPECT_TRUE(menu.Hover().HeldBack()) << phase;
    EXPECT_TRUE(menu.TilesPart().Outlined()) << "no frame reset while " << phase << " runs";
    driver.MoveOver("Shape3Image");
    EXPECT_EQ(HoverSounds(), 0) << phase;
    EXPECT_TRUE(AtRest(3)) << phase;
  }
}

TEST_F(TileHover, TheLineAboveTheBarHasNoJingleGuard) {
  auto& menu = Reveal();
  driver.Advance(100);  // Timer2 runs
  MoveOverLine();
  EXPECT_EQ(menu.HitTest(4000, 6550)->Name(), "ImageLine");
  EXPECT_FALSE(menu.TilesPart().Outlined());
  EXPECT_FALSE(menu.Hover().HeldBack());
  driver.MoveOver("Shape3Image");
  EXPECT_TRUE(Highlighted(3));
  EXPECT_EQ(HoverSounds(), 1);
}

TEST_F(TileHover, TileTenHighlightsSilentlyWhileOtherEmptySlotsSound) {
  auto& menu = MenuAtRest();
  MoveOverBackground();
  driver.MoveOver("Shape10Image");
  EXPECT_TRUE(Highlighted(10));
  EXPECT_EQ(HoverSounds(), 0);
  EXPECT_TRUE(menu.Hover().HeldBack());

  TurnTo(4);
  const int before = HoverSounds();
  for (int tile : {39, 40, 44, 46, 47, 48}) {
    MoveOverBackground();
    driver.MoveOver(home::design::TilePictureName(tile));
  }
  EXPECT_EQ(HoverSounds() - before, 6);
}

TEST_F(TileHover, APageChangeLeavesTheOldPagesFrameOutlined) {
  auto& menu = MenuAtRest();
  TurnTo(2);
  MoveOverBackground();
  driver.MoveOver("Shape13Image");
  EXPECT_TRUE(Highlighted(13));
  TurnTo(3);
  for (int tile : {1, 25}) {
    Frame(tile).SetBorderColor(kFrameTeal);
    Frame(tile).SetBorderWidth(2);
  }
  MoveOverBackground();
  EXPECT_FALSE(menu.TilesPart().Outlined());
  EXPECT_TRUE(AtRest(1));
  EXPECT_TRUE(AtRest(25));
  EXPECT_TRUE(Highlighted(13)) << "frame 13 waits for a reset while page 2 is on screen";
}

TEST_F(TileHover, TheBarPicturesReArmTheSoundButNeverResetFrames) {
  auto& menu = MenuAtRest();
  MoveOverBackground();
  driver.MoveOver("Shape9Image");
  const std::function<void()> barMoves[] = {[this] { MoveOverGreyBar(); }, [this] { driver.MoveTo(300, 8700); },
                                            [this] { driver.MoveTo(11800, 8700); }};
  for (const auto& move : barMoves) {
    driver.MoveOver("ImageExit");
    move();
    EXPECT_FALSE(menu.Hover().HeldBack());
    EXPECT_TRUE(Highlighted(9));
  }
  EXPECT_EQ(menu.HitTest(300, 8700)->Name(), "ImageCurveLine1");
  EXPECT_EQ(menu.HitTest(11800, 8700)->Name(), "ImageCurveLine2");
}

// Once no frame counts as highlighted, the background resets nothing more: a
// frame left teal on a page that was off screen at the last reset keeps its
// teal, and steady movement redraws nothing.
TEST_F(TileHover, SteadyMovementOverTheBackgroundLeavesAFrameOfAnotherPageAlone) {
  auto& menu = MenuAtRest();
  TurnTo(2);
  MoveOverBackground();
  driver.MoveOver("Shape13Image");
  TurnTo(1);
  MoveOverBackground();
  ASSERT_FALSE(menu.TilesPart().Outlined());
  ASSERT_TRUE(Highlighted(13));

  TurnTo(2);
  const int presents = platform.Presents();
  for (int step = 0; step < 20; ++step) driver.MoveTo(11400 + step, 300 + step);
  EXPECT_TRUE(Highlighted(13)) << "a reset ran with no frame counted as highlighted";
  EXPECT_EQ(platform.Presents(), presents);
}

class MusicWatchdog : public HomeFixture {
 protected:
  int Count(const std::string& command) {
    return static_cast<int>(std::count(media.Commands().begin(), media.Commands().end(), command));
  }
};

// Whether the track still sounds or has ended, it is the menu's own.
TEST_F(MusicWatchdog, LeavesEveryPlaylistTrackAloneSoundingOrEnded) {
  auto& menu = MenuAtRest();
  menu.Get<rt::Label>("LabelMusicNext").Click();
  menu.Get<rt::Label>("LabelMusicNext").Click();
  driver.Advance(100);
  ASSERT_EQ(media.SoundingTrack(), Path("/Music/2.mp3"));
  for (const char* track : {"sounding", "ended"}) {
    SCOPED_TRACE(track);
    media.ClearLog();
    MoveOverBackground();
    MoveOverLine();
    MoveOverGreyBar();
    driver.Advance(2000);
    EXPECT_TRUE(media.Commands().empty());
    EXPECT_FALSE(menu.TimerNamed("TimerMainMenuMusic").Enabled());
    media.FinishTrack();
  }
  EXPECT_EQ(media.SoundingTrack(), "");
}

TEST_F(MusicWatchdog, BringsTheMenuMusicBackOnceWhenNoMenuTrackIsCurrent) {
  auto& menu = MenuAtRest();
  menu.TimerNamed("TimerWeatherMusic").SetEnabled(true);
  driver.Advance(1000);
  EXPECT_EQ(menu.Music().CurrentTrack(), "");
  media.ClearLog();

  driver.MoveOver("Shape1Image");
  EXPECT_TRUE(media.Commands().empty()) << "a tile does not watch the music";
  MoveOverBackground();
  EXPECT_EQ(media.Commands(), (std::vector<std::string>{"stop MP3Play", "close MP3Play"}));
  EXPECT_TRUE(menu.TimerNamed("TimerMainMenuMusic").Enabled());
  MoveOverGreyBar();
  MoveOverLine();
  EXPECT_EQ(media.Commands().size(), 2u);

  driver.Advance(1500);
  EXPECT_EQ(media.SoundingTrack(), Path("/Music/Menu.mp3"));
}

TEST_F(MusicWatchdog, TreatsATrackThatDiffersOnlyInLetterCaseAsForeign) {
  auto& menu = MenuAtRest();
  ASSERT_EQ(menu.Music().CurrentTrack(), Path("/Music/Menu.mp3"));
  std::string shouted = folder.Path();
  for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  platform.SetAppPath(shouted);
  media.ClearLog();
  MoveOverBackground();
  EXPECT_EQ(Count("stop MP3Play"), 1);
  EXPECT_TRUE(menu.TimerNamed("TimerMainMenuMusic").Enabled());
}

TEST_F(MusicWatchdog, WaitsForTheRevealBeforeTouchingTheMusic) {
  auto& menu = Start();
  driver.Advance(1000);
  MoveOverBackground();
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_FALSE(menu.TimerNamed("TimerMainMenuMusic").Enabled());
}

TEST_F(MusicWatchdog, WithTheMusicFolderMissingTheMenuIsSilentAndCalm) {
  std::filesystem::remove_all(folder.PathOf("/Music"));
  auto& menu = MenuAtRest();
  EXPECT_EQ(media.SoundingTrack(), "");
  EXPECT_EQ(menu.Player().MP3Status(), "Error with input file");
  media.ClearLog();
  MoveOverBackground();
  MoveOverGreyBar();
  EXPECT_TRUE(media.Commands().empty()) << "the stored path still counts as a menu track";
  EXPECT_FALSE(menu.TimerNamed("TimerMainMenuMusic").Enabled());
}

}  // namespace
}  // namespace quil::test
