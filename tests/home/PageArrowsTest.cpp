#include <vector>

#include "PagingFixture.h"

namespace quil::test {
namespace {

constexpr std::string_view kPageClick = "/Sfx/next_page_click.wav";

class PageArrows : public PagingFixture {};

TEST_F(PageArrows, BobTogetherTwelveTicksASwingTheLeftOneInStepWheneverShown) {
  Reveal();
  auto& next = Arrow("ImageAR");
  auto& previous = Arrow("ImageAL");
  std::vector<double> lefts;
  for (int tick = 0; tick < 13; ++tick) {
    driver.Advance(50);
    lefts.push_back(next.Left());
  }
  EXPECT_EQ(lefts, (std::vector<double>{11220, 11240, 11260, 11280, 11300, 11300, 11280, 11260, 11240, 11220, 11200,
                                        11200, 11220}));
  EXPECT_EQ(previous.Left(), 270) << "hidden, the left arrow stays put";

  // Shown, the left arrow stands as far from the right one as the reveal put
  // them, however far the right one swung meanwhile, and bobs with it.
  const auto bobsInStep = [&] {
    const double shownAt = previous.Left();
    std::vector<double> gaps;
    bool moved = false;
    for (int tick = 0; tick < 12; ++tick) {
      gaps.push_back(next.Left() - previous.Left());
      driver.Advance(50);
      moved |= previous.Left() != shownAt;
    }
    EXPECT_EQ(gaps, std::vector<double>(12, 11200 - 270));
    EXPECT_TRUE(moved);
  };
  next.Click();
  bobsInStep();
  previous.Click();
  driver.Advance(400);  // the scroll back, and some swing
  ASSERT_NE(next.Left() - previous.Left(), 11200 - 270) << "the right arrow swung on alone";
  next.Click();
  bobsInStep();
  EXPECT_EQ(previous.Top(), 3360);
}

// Each row is one click on an arrow and what the page and arrows are after it.
struct Turn {
  const char* arrow;
  int page;
  bool previousShown, nextShown;
  bool forward;
  const char* focus;  // the clicked arrow keeps the focus unless the click hid it
};

TEST_F(PageArrows, EachClickTurnsThePageAndTheArrowsFollowIt) {
  auto& menu = MenuAtRest();
  const Turn turns[] = {
      {"ImageAR", 2, true, true, true, "ImageAR"},   {"ImageAR", 3, true, true, true, "ImageAR"},
      {"ImageAR", 4, true, false, true, "ImageAL"},  // the last page keeps the direction it was last given
      {"ImageAL", 3, true, true, false, "ImageAL"},  {"ImageAR", 4, true, false, false, "ImageAL"},
      {"ImageAL", 3, true, true, false, "ImageAL"},  {"ImageAL", 2, true, true, false, "ImageAL"},
      {"ImageAL", 1, false, true, false, "ImageAR"}, {"ImageAR", 2, true, true, true, "ImageAR"},
      {"ImageAL", 1, false, true, true, "ImageAR"},
  };
  int clicks = 0;
  for (const Turn& turn : turns) {
    SCOPED_TRACE(testing::Message() << "click " << ++clicks << " on " << turn.arrow);
    driver.Click(turn.arrow);
    EXPECT_EQ(EffectCount(kPageClick), clicks);
    EXPECT_EQ(menu.PagesPart().Page(), turn.page);
    EXPECT_EQ(Arrow("ImageAL").Visible(), turn.previousShown);
    EXPECT_EQ(Arrow("ImageAR").Visible(), turn.nextShown);
    EXPECT_EQ(menu.PagesPart().WentForward(), turn.forward);
    EXPECT_TRUE(menu.Hover().HeldBack());
    ASSERT_NE(menu.Focused(), nullptr);
    EXPECT_EQ(menu.Focused()->Name(), turn.focus);
    EXPECT_TRUE(menu.TimerNamed("TimerPage").Enabled());
    ScrollTicks();
  }
}

TEST_F(PageArrows, ASecondClickOrKeyDuringAScrollDoesNothingAtAll) {
  auto& menu = MenuWithArrowFocused();
  Press(kKeyP);
  app.RunFor(5 * rt::kTimerResolution);
  driver.Click("ImageAR");
  driver.Click("ImageAL");
  Press(kKeyP);
  Press(kKeyM);
  EXPECT_EQ(EffectCount(kPageClick), 1);
  EXPECT_EQ(menu.PagesPart().Page(), 2);
  EXPECT_EQ(ScrollTicks(), 24 - 5) << "the scroll runs on undisturbed";
  EXPECT_EQ(Frame(13).Left(), 1080);
  EXPECT_EQ(Frame(1).Left(), 1080 - 11000);
}

TEST_F(PageArrows, HiddenArrowsRefuseClicksAndKeys) {
  auto& menu = MenuWithArrowFocused();
  const auto refused = [&](const char* arrow, int key, int page) {
    SCOPED_TRACE(arrow);
    const rt::Rect place = Arrow(arrow).FormBounds();
    ASSERT_FALSE(Arrow(arrow).Visible());
    driver.ClickAt(place.left + place.width / 2, place.top + place.height / 2);
    Press(key);
    EXPECT_EQ(menu.PagesPart().Page(), page);
    EXPECT_FALSE(menu.TimerNamed("TimerPage").Enabled());
  };
  refused("ImageAL", kKeyM, 1);
  EXPECT_EQ(EffectCount(kPageClick), 0);
  for (int page = 1; page <= 3; ++page) TurnPage(kKeyP);
  refused("ImageAR", kKeyP, 4);
  EXPECT_EQ(EffectCount(kPageClick), 3);
}

TEST_F(PageArrows, KeysActOnReleaseOnlyThroughAFocusedArrowWhateverTheModifiers) {
  auto& menu = MenuAtRest();
  ASSERT_EQ(menu.Focused(), nullptr) << "the menu never takes the focus itself";
  for (int key : {kKeyP, kKey1, static_cast<int>(rt::kKeyEscape)}) Press(key);
  EXPECT_EQ(menu.PagesPart().Page(), 1);
  EXPECT_FALSE(menu.TimerNamed("TimerMusic").Enabled());
  EXPECT_FALSE(app.Ended()) << "the window's own key event does nothing";

  driver.KeyDown(rt::kKeyTab);
  ASSERT_EQ(menu.Focused(), &Arrow("ImageAR"));
  driver.KeyDown(kKeyP);
  EXPECT_EQ(menu.PagesPart().Page(), 1) << "nothing while the key is down";
  driver.KeyUp(kKeyP, rt::kShiftMask | rt::kCtrlMask | rt::kAltMask);
  EXPECT_EQ(menu.PagesPart().Page(), 2);
  Press(97);  // the numeric pad's 1
  EXPECT_FALSE(menu.TimerNamed("TimerMusic").Enabled());

  // Escape ends at once, silently, even in the middle of a scroll.
  app.RunFor(3 * rt::kTimerResolution);
  const auto effects = media.Effects().size();
  const double left = Frame(1).Left();
  Press(rt::kKeyEscape);
  EXPECT_TRUE(app.Ended());
  driver.Advance(500);
  EXPECT_EQ(Frame(1).Left(), left);
  EXPECT_EQ(media.Effects().size(), effects);
}

}  // namespace
}  // namespace quil::test
