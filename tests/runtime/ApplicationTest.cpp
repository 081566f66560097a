#include <gtest/gtest.h>

#include <algorithm>

#include "RuntimeFixture.h"
#include "runtime/Str.h"

namespace quil::test {
namespace {

class Lifecycle : public RuntimeFixture {};

TEST_F(Lifecycle, AFormIsCreatedOnFirstReferenceAndLoadedBeforeItIsFirstShown) {
  EXPECT_FALSE(app.IsCreated("Sample"));
  auto& form = app.Get<SampleForm>("Sample");
  EXPECT_TRUE(app.IsCreated("Sample"));
  EXPECT_FALSE(form.Loaded());
  app.Start("Sample");
  EXPECT_EQ(log, (std::vector<std::string>{"Form.Load"}));
  EXPECT_EQ(app.Front(), &form);
  EXPECT_EQ(platform.LastPresented(), &form);
}

TEST_F(Lifecycle, UnloadDiscardsTheFormAndTheNextReferenceStartsFromTheDesign) {
  auto& form = StartSample();
  form.Get<rt::PictureBox>("BoxA").SetLeft(999);
  form.TimerNamed("Tick").SetEnabled(true);
  form.Unload();
  EXPECT_EQ(app.Front(), nullptr);
  EXPECT_FALSE(app.IsCreated("Sample"));

  auto& fresh = app.Get<SampleForm>("Sample");
  EXPECT_EQ(fresh.Get<rt::PictureBox>("BoxA").Left(), 0);
  EXPECT_FALSE(fresh.TimerNamed("Tick").Enabled());
  EXPECT_FALSE(fresh.Loaded());
}

TEST_F(Lifecycle, AFormMayUnloadItselfFromItsOwnHandler) {
  auto& form = StartSample();
  form.Get<rt::Label>("Front").OnClick([&form] {
    form.Unload();
    form.SetCaption("still alive until the handler returns");
  });
  driver.Click("Front");
  EXPECT_FALSE(app.IsCreated("Sample"));
}

// "Unload, then Show" through one reference: the show must not revive the
// instance that is about to be destroyed, or the next event reaches freed memory.
TEST_F(Lifecycle, ShowingAFormJustUnloadedThroughTheSameReferenceShowsAFreshOne) {
  auto& form = StartSample();
  form.Get<rt::Label>("Front").OnClick([&form] {
    form.Get<rt::PictureBox>("BoxA").SetLeft(999);
    form.Unload();
    form.Show();
  });
  driver.Click("Front");
  ASSERT_TRUE(app.IsCreated("Sample"));
  auto& fresh = app.Get<SampleForm>("Sample");
  EXPECT_EQ(app.Front(), &fresh);
  EXPECT_TRUE(fresh.Loaded());
  EXPECT_EQ(fresh.Get<rt::PictureBox>("BoxA").Left(), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Form.Load"), 1);

  log.clear();
  driver.Click("Front");
  EXPECT_EQ(log, (std::vector<std::string>{"Front.MouseMove", "Front.Click"}));
}

TEST_F(Lifecycle, TheLastShownFormTakesTheInput) {
  auto& sample = StartSample();
  std::vector<std::string> otherLog;
  app.RegisterForm("Other", [&otherLog](rt::Application& a) { return std::make_unique<SampleForm>(a, otherLog); });
  auto& other = app.Get<SampleForm>("Other");
  other.Show();
  EXPECT_EQ(app.Front(), &other);
  driver.ClickAt(11000, 100);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(otherLog.back(), "Form.Click");
  sample.Show();
  EXPECT_EQ(app.Front(), &sample);
}

class Modal : public RuntimeFixture {};

TEST_F(Modal, AHandlerWaitsInTheMessageBoxWhileTimersTickAndInputIsRefused) {
  auto& form = StartSample();
  int ticks = 0;
  form.TimerNamed("Tick").OnTimer([&] { ++ticks; });
  form.TimerNamed("Tick").SetEnabled(true);
  rt::Micros returnedAt = -1;
  form.Get<rt::Label>("Front").OnClick([&] {
    app.MsgBox("lol, e-mail", rt::MessageBoxStyle::Information, "lol, e-mail");
    returnedAt = platform.Now();
  });
  platform.AnswerMessageBoxesAfter(rt::Milliseconds(1000));
  platform.Schedule(rt::Milliseconds(500), rt::InputEvent{.type = rt::InputEvent::Type::PointerMove, .x = 700, .y = 5});
  platform.Schedule(rt::Milliseconds(600), rt::InputEvent{.type = rt::InputEvent::Type::KeyUp, .keyCode = 'P'});

  driver.Click("Front");

  EXPECT_EQ(returnedAt, rt::Milliseconds(1000));
  EXPECT_EQ(ticks, 20);
  ASSERT_EQ(platform.MessageBoxes().size(), 1u);
  EXPECT_EQ(platform.MessageBoxes()[0].title, "lol, e-mail");
  EXPECT_EQ(platform.MessageBoxes()[0].style, rt::MessageBoxStyle::Information);
  EXPECT_FALSE(platform.MessageBoxShowing());
  EXPECT_EQ(log, (std::vector<std::string>{"Front.MouseMove"})) << "nothing reached the form while the box was open";
}

TEST_F(Modal, TheMessageBoxWorksBeforeAnyFormIsShown) {
  app.MsgBox("Switch", rt::MessageBoxStyle::Information, "Sorry");
  EXPECT_EQ(platform.MessageBoxes().size(), 1u);
  EXPECT_EQ(platform.Presents(), 0);
}

class Ending : public RuntimeFixture {};

TEST_F(Ending, EndStopsTheRunningHandlerAndEveryLaterEventAndTick) {
  auto& form = StartSample();
  int ticks = 0;
  form.TimerNamed("Tick").OnTimer([&] { ++ticks; });
  form.TimerNamed("Tick").SetEnabled(true);
  bool afterEnd = false;
  form.Get<rt::Label>("Front").OnClick([&] {
    app.End();
    afterEnd = true;
  });
  driver.Click("Front");
  driver.Advance(1000);
  driver.ClickAt(11000, 100);
  EXPECT_TRUE(app.Ended());
  EXPECT_FALSE(afterEnd);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"Front.MouseMove"}));
  EXPECT_EQ(app.Run(), 0);
}

TEST_F(Ending, EndDuringLoadMeansTheFormIsNeverShown) {
  app.RegisterForm("Refusing", [this](rt::Application& a) {
    auto form = std::make_unique<SampleForm>(a, log);
    form->OnLoad([&a] {
      a.MsgBox("Switch", rt::MessageBoxStyle::Information, "Sorry");
      a.End();
    });
    return form;
  });
  app.Start("Refusing");
  EXPECT_TRUE(app.Ended());
  EXPECT_EQ(app.Front(), nullptr);
  EXPECT_EQ(platform.Presents(), 0);
  EXPECT_FALSE(platform.MessageBoxShowing());
}

TEST_F(Ending, AWindowCloseRequestEndsTheProgram) {
  StartSample();
  platform.Schedule(rt::Milliseconds(10), rt::InputEvent{.type = rt::InputEvent::Type::CloseRequested});
  EXPECT_EQ(app.Run(), 0);
  EXPECT_TRUE(app.Ended());
}

class Tooltips : public RuntimeFixture {};

TEST_F(Tooltips, ATooltipShowsOnceThePointerRestsAndGoesOnLeaveClickOrKey) {
  StartSample();
  driver.MoveTo(3000, 2000);
  driver.Advance(300);
  driver.MoveTo(3010, 2000);
  driver.Advance(400);
  EXPECT_FALSE(app.CurrentTooltip().visible) << "the pointer has not rested long enough";
  driver.Advance(100);
  ASSERT_TRUE(app.CurrentTooltip().visible);
  EXPECT_EQ(app.CurrentTooltip().text, "Back tip");
  EXPECT_TRUE(platform.LastTooltip().visible);

  driver.MoveTo(11000, 100);
  EXPECT_FALSE(app.CurrentTooltip().visible);

  driver.MoveTo(3000, 2000);
  driver.Advance(600);
  driver.KeyUp('A');
  EXPECT_FALSE(app.CurrentTooltip().visible);
  driver.ClickAt(3000, 2000);
  driver.Advance(600);
  EXPECT_FALSE(app.CurrentTooltip().visible) << "a click over the control spends its tooltip";
}

// Another form in front drops the hover of the one behind: neither a tooltip
// still waiting nor one already shown is painted over the new form, whose own
// control under the pointer takes the hover on the next movement.
TEST_F(Tooltips, ANewFrontFormDropsTheHoverAndTheTooltipOfTheOldOne) {
  StartSample();
  std::vector<std::string> otherLog;
  app.RegisterForm("Other", [&otherLog](rt::Application& a) { return std::make_unique<SampleForm>(a, otherLog); });
  app.RegisterForm("Third", [&otherLog](rt::Application& a) { return std::make_unique<SampleForm>(a, otherLog); });
  driver.MoveTo(3000, 2000);
  driver.Advance(300);
  app.FormNamed("Other").Show();
  driver.Advance(1000);
  EXPECT_FALSE(app.CurrentTooltip().visible) << "the waiting tooltip";

  driver.MoveTo(3010, 2000);
  driver.Advance(500);
  ASSERT_TRUE(app.CurrentTooltip().visible) << "the new form's control after a movement";
  app.FormNamed("Third").Show();
  driver.Advance(1);
  EXPECT_FALSE(app.CurrentTooltip().visible) << "the shown tooltip";
  EXPECT_FALSE(platform.LastTooltip().visible);
}

TEST_F(Tooltips, ControlsWithoutTooltipShowNone) {
  StartSample();
  driver.MoveTo(2000, 2000);
  driver.Advance(2000);
  EXPECT_FALSE(app.CurrentTooltip().visible);
}

class Painting : public RuntimeFixture {};

TEST_F(Painting, OnlyRealChangesRepaint) {
  auto& form = StartSample();
  const int before = platform.Presents();
  form.Get<rt::PictureBox>("BoxA").SetLeft(0);
  form.Get<rt::Label>("Front").SetVisible(true);
  driver.MoveTo(2000, 2000);
  EXPECT_EQ(platform.Presents(), before);
  form.Get<rt::Label>("Front").SetCaption("new");
  driver.Advance(1);
  EXPECT_EQ(platform.Presents(), before + 1);
}

TEST_F(Painting, TheFrontFormsPointerPictureIsThePointer) {
  auto& form = StartSample();
  auto blank = std::make_shared<rt::Picture>(32, 32, rt::Picture::Pixels32(32 * 32, 0));
  form.SetMouseIcon(blank);
  driver.Advance(1);
  EXPECT_EQ(platform.Pointer(), blank);
}

TEST(Str, NonNegativeNumbersGetALeadingBlank) {
  EXPECT_EQ(rt::Str(800), " 800");
  EXPECT_EQ(rt::Str(0), " 0");
  EXPECT_EQ(rt::Str(-5), "-5");
}

TEST(Colours, ValuesAreBlueGreenRedAndSystemColoursComeFromThePalette) {
  EXPECT_EQ(rt::ToRgb(0x00B0B000), (rt::Rgb{0x00, 0xB0, 0xB0}));
  EXPECT_EQ(rt::ToRgb(0x00D8CECA), (rt::Rgb{0xCA, 0xCE, 0xD8}));
  EXPECT_EQ(rt::ToRgb(rt::kSysMenuText), (rt::Rgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(rt::ToRgb(rt::kSysHighlight), (rt::Rgb{0x31, 0x6A, 0xC5}));
  EXPECT_EQ(rt::ToRgb(rt::SystemColour(999)), (rt::Rgb{0, 0, 0}));
}

TEST(Pictures, ALazyPictureDecodesOnceAndAShortDecodeLeavesItTransparent) {
  int decodes = 0;
  rt::Picture lazy(2, 2, rt::Picture::Decoder([&] {
                     ++decodes;
                     return rt::Picture::Pixels32(4, 0xFF00FF00u);
                   }));
  EXPECT_EQ(decodes, 0);
  EXPECT_EQ(lazy.PixelAt(1, 1), 0xFF00FF00u);
  EXPECT_EQ(lazy.PixelAt(0, 0), 0xFF00FF00u);
  EXPECT_EQ(decodes, 1);

  rt::Picture broken(3, 3, rt::Picture::Decoder([] { return rt::Picture::Pixels32{}; }));
  EXPECT_TRUE(broken.FullyTransparent());
  EXPECT_EQ(broken.Pixels().size(), 9u);
}

}  // namespace
}  // namespace quil::test
