#include <algorithm>

#include "HomeFixture.h"

namespace quil::test {
namespace {

constexpr int kBoxOpenForMs = 3000;

class TileClick : public HomeFixture {
 protected:
  // The picture's click event alone, without the pointer's hover before it,
  // on whichever page the tile lies.
  void ClickTile(int tile) { Menu().Get<rt::Image>("Shape" + std::to_string(tile) + "Image").Click(); }
  int CommandCount(const std::string& command) const {
    return static_cast<int>(std::ranges::count(media.Commands(), command));
  }
  int EffectCount(const std::string& effect) const {
    return static_cast<int>(std::ranges::count(media.Effects(), Path(effect)));
  }
  bool MenuMusicPlaying() { return media.SoundingTrack() == Path("/Music/Menu.mp3"); }
  rt::PictureBox& ZoomBox() { return Menu().Get<rt::PictureBox>("Picture1"); }
  rt::Timer& Timer(std::string_view name) { return Menu().TimerNamed(name); }
};

struct Broadcast {
  int tile;
  const char* sound;
  const char* message;
};

class BroadcastTile : public TileClick, public ::testing::WithParamInterface<Broadcast> {};

TEST_P(BroadcastTile, SoundThenBoxThenTheMusicStopsASecondAfterTheBoxCloses) {
  const Broadcast& channel = GetParam();
  auto& menu = MenuAtRest();
  ASSERT_TRUE(MenuMusicPlaying());
  platform.AnswerMessageBoxesAfter(rt::Milliseconds(kBoxOpenForMs));
  std::string soundBeforeBox = "none";
  bool timerBeforeClose = true;
  platform.OnMessageBoxOpen([&] {
    if (!media.Effects().empty()) soundBeforeBox = media.Effects().back();
    timerBeforeClose = Timer("TimerWeatherMusic").Enabled();
  });
  const rt::Micros clicked = driver.Now();
  driver.Click("Shape" + std::to_string(channel.tile) + "Image");

  EXPECT_EQ(soundBeforeBox, Path(channel.sound));
  EXPECT_FALSE(timerBeforeClose);
  ASSERT_EQ(platform.MessageBoxes().size(), 1u);
  const rt::MessageBoxRequest& box = platform.MessageBoxes().back();
  EXPECT_EQ(box.prompt, channel.message);
  EXPECT_EQ(box.title, channel.message);
  EXPECT_EQ(box.style, rt::MessageBoxStyle::Information);
  EXPECT_EQ(driver.Now() - clicked, rt::Milliseconds(kBoxOpenForMs)) << "the click returns when the box is closed";
  EXPECT_TRUE(MenuMusicPlaying()) << "the music plays on under the box";

  driver.Advance(999);
  EXPECT_TRUE(MenuMusicPlaying());
  driver.Advance(1);
  EXPECT_EQ(media.SoundingTrack(), "");
  EXPECT_EQ(menu.Music().CurrentTrack(), "");
  EXPECT_FALSE(Timer("TimerWeatherMusic").Enabled());
  EXPECT_FALSE(Timer("TimerNewsMusic").Enabled());
  EXPECT_FALSE(ZoomBox().Visible());
  EXPECT_EQ(menu.ZoomPart().ScreenCode(), 1);
}

INSTANTIATE_TEST_SUITE_P(ForecastAndNews, BroadcastTile,
                         ::testing::Values(Broadcast{6, "/Sfx/forecast.wav", "lol, weather"},
                                           Broadcast{7, "/Sfx/news_channel.wav", "lol, news"}));

TEST_F(TileClick, MessageTilesShowTheirBoxAndLeaveTheMusicPlaying) {
  auto& menu = MenuAtRest();
  media.ClearLog();
  for (const char* tile : {"Shape1Image", "Shape2Image", "Shape4Image"}) {
    MoveOverBackground();
    driver.Click(tile);
  }
  driver.Advance(5000);

  ASSERT_EQ(platform.MessageBoxes().size(), 3u);
  const auto& boxes = platform.MessageBoxes();
  EXPECT_EQ(boxes[0].title, "Crimson Edge - Northgate");
  EXPECT_EQ(boxes[0].style, rt::MessageBoxStyle::Stop);
  EXPECT_NE(boxes[1].prompt.find("Tuvo"), std::string::npos);
  EXPECT_EQ(boxes[1].prompt.find('\n'), std::string::npos) << "one line";
  EXPECT_EQ(boxes[1].title, "Tuvo Channel");
  EXPECT_EQ(boxes[1].style, rt::MessageBoxStyle::Information);
  EXPECT_EQ(boxes[2].title, "Quil Shop Channel");
  EXPECT_EQ(boxes[2].style, rt::MessageBoxStyle::Information);

  EXPECT_EQ(HoverSounds(), static_cast<int>(media.Effects().size())) << "no sound but the hover";
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(MenuMusicPlaying());
  EXPECT_FALSE(Timer("TimerWeatherMusic").Enabled());
  EXPECT_FALSE(ZoomBox().Visible());
  EXPECT_EQ(menu.ZoomPart().ScreenCode(), 1);
}

TEST_F(TileClick, AGameTilePlaysItsSoundStopsTheMusicAndStartsTheZoom) {
  auto& menu = MenuAtRest();
  MoveOverBackground();
  ASSERT_FALSE(menu.Hover().HeldBack());
  const std::string track = menu.Music().CurrentTrack();
  media.ClearLog();
  ClickTile(9);

  EXPECT_EQ(media.Effects(), std::vector<std::string>{Path("/Sfx/retro_game_show.wav")});
  EXPECT_EQ(media.Commands(), (std::vector<std::string>{"stop MP3Play", "close MP3Play"}));
  EXPECT_EQ(media.SoundingTrack(), "");
  EXPECT_EQ(menu.Music().CurrentTrack(), track) << "the track is only stopped";
  EXPECT_TRUE(menu.Hover().HeldBack());
  EXPECT_EQ(menu.ZoomPart().ScreenCode(), 2);
  EXPECT_TRUE(ZoomBox().Visible());
  EXPECT_TRUE(Timer("TimerZoom").Enabled());
  EXPECT_TRUE(platform.MessageBoxes().empty());

  // The watchdog sees a menu track and leaves the music off.
  MoveOverBackground();
  EXPECT_FALSE(menu.Hover().HeldBack());
  EXPECT_FALSE(Timer("TimerMainMenuMusic").Enabled());
}

// A channel screen plays no music, so a game tile also cancels the track that
// the reveal, "Quil Menu" or a track button has asked for and not yet started.
TEST_F(TileClick, AGameTileCancelsTheMusicStillToComeSoItsScreenStaysSilent) {
  const auto silentOnItsScreen = [&](int tile, const char* pending) {
    SCOPED_TRACE(pending);
    media.ClearLog();
    ClickTile(tile);
    driver.Advance(3000);
    ASSERT_NE(app.Front(), &Menu());
    EXPECT_EQ(media.SoundingTrack(), "");
    EXPECT_EQ(CommandCount("play MP3Play"), 0);
    driver.Click("Label5");  // Quil Menu
  };
  Reveal();
  driver.Advance(500);
  silentOnItsScreen(9, "the reveal's menu music");
  driver.Advance(1000);
  silentOnItsScreen(5, "Quil Menu's menu music");
  driver.Advance(1500);
  ASSERT_TRUE(MenuMusicPlaying()) << "Quil Menu still brings the music back";
  Menu().Get<rt::Label>("LabelMusicNext").Click();
  driver.Advance(50);
  silentOnItsScreen(3, "the track button's track");
}

// Not to be heard: the pointer's hover over the tile has already set the flag.
TEST_F(TileClick, TilesElevenAndTwelveLeaveTheHoverFlagAlone) {
  auto& menu = MenuAtRest();
  for (int tile : {11, 12, 3}) {
    MoveOverBackground();
    ClickTile(tile);
    EXPECT_EQ(menu.Hover().HeldBack(), tile == 3) << "tile " << tile;
  }
  EXPECT_EQ(EffectCount("/Sfx/retro_game_show.wav"), 3);
}

TEST_F(TileClick, ASecondGameClickDuringTheZoomOnlyChangesTheScreen) {
  auto& menu = MenuAtRest();
  media.ClearLog();
  ClickTile(9);
  for (int tick = 0; tick < 5; ++tick) app.RunFor(rt::kTimerResolution);
  const double width = ZoomBox().Width();
  ASSERT_GT(width, 255) << "the zoom is under way";
  ClickTile(8);
  EXPECT_EQ(ZoomBox().Width(), width) << "the box goes on from its size";
  EXPECT_EQ(EffectCount("/Sfx/retro_game_show.wav"), 2);
  EXPECT_EQ(CommandCount("stop MP3Play"), 2);
  driver.Advance(500);
  EXPECT_EQ(app.Front()->Name(), "FormAlleyFury3");
  EXPECT_NE(&menu, app.Front());
}

TEST_F(TileClick, EmptySlotsDoNothing) {
  auto& menu = MenuAtRest();
  MoveOverBackground();
  driver.MoveOver("Shape10Image");
  media.ClearLog();
  driver.Click("Shape10Image");
  for (int tile : {39, 40, 44, 46, 47, 48}) ClickTile(tile);
  driver.Advance(3000);

  EXPECT_TRUE(media.Effects().empty());
  EXPECT_TRUE(media.Commands().empty());
  EXPECT_TRUE(platform.MessageBoxes().empty());
  EXPECT_EQ(menu.ZoomPart().ScreenCode(), 1);
  EXPECT_FALSE(Timer("TimerZoom").Enabled());
  EXPECT_TRUE(MenuMusicPlaying());
}

}  // namespace
}  // namespace quil::test
