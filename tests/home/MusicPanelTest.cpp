#include <algorithm>
#include <vector>

#include "PagingFixture.h"
#include "paint/FormPainter.h"

namespace quil::test {
namespace {

constexpr std::string_view kRaiseSound = "/Sfx/home_menu_retro_popsup_shows.wav";
constexpr std::string_view kLowerSound = "/Sfx/home_menu_close_button.wav";
constexpr rt::Colour kSymbolGrey = 0x00676767;

class MusicPanel : public PagingFixture {
 protected:
  rt::Label& Symbol(const char* name) { return Menu().Get<rt::Label>(name); }
  bool Sliding() {
    return Menu().TimerNamed("TimerMusic").Enabled() || Menu().TimerNamed("TimerMusic2").Enabled();
  }
};

TEST_F(MusicPanel, RisesIn43TicksFirstThen44AndLowersIn44EachKeyOnlyWhenItCanAct) {
  MenuWithArrowFocused();
  Press(kKey2);
  EXPECT_EQ(EffectCount(kLowerSound), 0) << "the panel is down at the start";
  EXPECT_FALSE(Sliding());

  Press(kKey1);
  app.RunFor(10 * rt::kTimerResolution);
  Press(kKey1);
  EXPECT_EQ(EffectCount(kRaiseSound), 2) << "still rising: the sound again, nothing else";
  EXPECT_EQ(TicksUntilStopped("TimerMusic"), 43 - 10);
  EXPECT_EQ(Panel().Top(), 7850);
  Press(kKey1);
  EXPECT_EQ(EffectCount(kRaiseSound), 2);
  EXPECT_FALSE(Sliding());

  Press(kKey2);
  EXPECT_EQ(EffectCount(kLowerSound), 1);
  EXPECT_EQ(TicksUntilStopped("TimerMusic2"), 44);
  EXPECT_EQ(Panel().Top(), 10050);
  Press(kKey1, rt::kShiftMask);
  EXPECT_EQ(TicksUntilStopped("TimerMusic"), 44);
  EXPECT_EQ(Panel().Top(), 7850);

  // Each key is refused exactly at its bound, and sounds exactly when it starts a slide.
  const auto accepts = [&](int key, double top) {
    Panel().SetTop(top);
    Menu().TimerNamed("TimerMusic").SetEnabled(false);
    Menu().TimerNamed("TimerMusic2").SetEnabled(false);
    const auto effects = media.Effects().size();
    Press(key);
    EXPECT_EQ(Sliding(), media.Effects().size() == effects + 1);
    return Sliding();
  };
  EXPECT_FALSE(accepts(kKey1, 7920));
  EXPECT_TRUE(accepts(kKey1, 7921));
  EXPECT_FALSE(accepts(kKey2, 9990));
  EXPECT_TRUE(accepts(kKey2, 9989));
}

TEST_F(MusicPanel, TheLaterKeyTurnsThePanelRoundFromWhereItIs) {
  auto& menu = MenuWithArrowFocused();
  Press(kKey1);
  app.RunFor(20 * rt::kTimerResolution);
  ASSERT_EQ(Panel().Top(), 9000);

  Press(kKey2);
  EXPECT_FALSE(menu.TimerNamed("TimerMusic").Enabled());
  std::vector<double> tops;
  TicksUntilStopped("TimerMusic2", [&](int) {
    tops.push_back(Panel().Top());
    if (tops.size() == 6) Press(kKey1);
  });
  EXPECT_EQ(tops, (std::vector<double>{9050, 9100, 9150, 9200, 9250, 9300}));
  EXPECT_EQ(EffectCount(kRaiseSound), 2);
  double previous = Panel().Top();
  TicksUntilStopped("TimerMusic", [&](int) {
    EXPECT_FALSE(menu.TimerNamed("TimerMusic2").Enabled());
    EXPECT_EQ(Panel().Top(), previous - 50) << "steady, never jittering in place";
    previous = Panel().Top();
  });
  EXPECT_EQ(Panel().Top(), 7850);
}

TEST_F(MusicPanel, TrackButtonsStepThePlaylistWithoutWrapping) {
  auto& menu = MenuWithArrowFocused();
  Press(kKey1);
  TicksUntilStopped("TimerMusic");
  ASSERT_EQ(media.SoundingTrack(), Path("/Music/Menu.mp3"));
  const auto effects = media.Effects().size();
  const auto click = [&](const char* symbol) {
    driver.Click(symbol);
    const bool changing = menu.TimerNamed("TimerMusicChange").Enabled();
    driver.Advance(150);
    return changing;
  };

  EXPECT_FALSE(click("LabelMusicBack")) << "nothing before the first track";
  for (const char* track : {"/Music/1.mp3", "/Music/2.mp3", "/Music/3.mp3", "/Music/4.mp3"}) {
    EXPECT_TRUE(click("LabelMusicNext"));
    EXPECT_EQ(media.SoundingTrack(), Path(track));
  }
  EXPECT_FALSE(click("LabelMusicNext")) << "nothing after the last track";
  EXPECT_EQ(menu.Music().TrackNumber(), 5);
  EXPECT_TRUE(click("LabelMusicBack"));
  EXPECT_EQ(media.SoundingTrack(), Path("/Music/3.mp3"));
  EXPECT_EQ(media.Effects().size(), effects) << "the buttons make no sound of their own";

  // Several choices within one tick: only the last is opened.
  media.ClearLog();
  for (const char* symbol : {"LabelMusicBack", "LabelMusicBack", "LabelMusicNext"}) driver.Click(symbol);
  driver.Advance(150);
  EXPECT_EQ(std::ranges::count_if(media.Commands(), [](const std::string& c) { return c.starts_with("open"); }), 1);
  EXPECT_EQ(media.SoundingTrack(), Path("/Music/2.mp3"));
}

TEST_F(MusicPanel, SymbolsLightUnderThePointerAndKeepItUntilThePanelsOwnSurface) {
  auto& menu = MenuWithArrowFocused();
  const std::vector<std::uint32_t> closed = paint::PaintToPixels(menu);
  Press(kKey1);
  TicksUntilStopped("TimerMusic");
  auto& back = Symbol("LabelMusicBack");
  auto& next = Symbol("LabelMusicNext");
  const auto ink = [&](const std::vector<std::uint32_t>& screen, rt::Colour colour) {
    return std::min(PixelsOf(screen, back.FormBounds(), colour), PixelsOf(screen, next.FormBounds(), colour));
  };
  EXPECT_EQ(ink(closed, kSymbolGrey), 0);
  EXPECT_GT(ink(paint::PaintToPixels(menu), kSymbolGrey), 20) << "both symbols show in the bar";

  driver.MoveOver("LabelMusicBack");
  MoveOverBackground();
  driver.MoveOver("LabelMusicNext");
  MoveOverGreyBar();
  EXPECT_EQ(back.ForeColor(), rt::kSysButtonText) << "off the panel the highlight stays";
  EXPECT_EQ(next.ForeColor(), rt::kSysButtonText);
  EXPECT_GT(ink(paint::PaintToPixels(menu), rt::kSysButtonText), 20);

  const rt::Rect panel = Panel().FormBounds();
  driver.MoveTo(panel.left + 60, panel.top + 400);
  ASSERT_EQ(menu.HitTest(panel.left + 60, panel.top + 400), &Panel());
  EXPECT_EQ(back.ForeColor(), kSymbolGrey);
  EXPECT_EQ(next.ForeColor(), kSymbolGrey);
}

}  // namespace
}  // namespace quil::test
