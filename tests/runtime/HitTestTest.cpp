#include <gtest/gtest.h>

#include "RuntimeFixture.h"

namespace quil::test {
namespace {

class HitTest : public RuntimeFixture {};

TEST_F(HitTest, FrontControlWinsAndWindowedControlsStandAboveLightweightOnes) {
  auto& form = StartSample();
  EXPECT_EQ(form.HitTest(2000, 2000)->Name(), "Front");        // Front is listed before Back
  EXPECT_EQ(form.HitTest(3000, 2000)->Name(), "Back");         // only Back covers this point
  EXPECT_EQ(form.HitTest(1000, 1000)->Name(), "BoxA");         // a picture box above both labels
  EXPECT_EQ(form.HitTest(3050, 3050)->Name(), "Panel");        // a frame above the image
  EXPECT_EQ(form.HitTest(11000, 100), nullptr);                // the form itself
}

TEST_F(HitTest, FrameChildrenArePlacedRelativeToTheFrameAndLieOnTopOfIt) {
  auto& form = StartSample();
  EXPECT_EQ(form.HitTest(3300, 3300)->Name(), "InPanel");
  EXPECT_EQ(form.HitTest(3900, 3300)->Name(), "Panel");
  form.Get<rt::Frame>("Panel").SetTop(4000);
  EXPECT_EQ(form.HitTest(3300, 4300)->Name(), "InPanel");
  EXPECT_EQ(form.HitTest(3300, 3300)->Name(), "Back");
  form.Get<rt::Frame>("Panel").SetVisible(false);
  EXPECT_EQ(form.HitTest(3300, 4300), nullptr) << "a hidden frame hides its controls too";
}

TEST_F(HitTest, ShapesLinesAndHiddenControlsLetThePointerThrough) {
  auto& form = StartSample();
  EXPECT_EQ(form.HitTest(1500, 6000)->Name(), "UnderShape");
  EXPECT_EQ(form.HitTest(1500, 7500)->Name(), "UnderShape");
  EXPECT_EQ(form.HitTest(9500, 6500), nullptr);
  form.Get<rt::Label>("Hidden").SetVisible(true);
  EXPECT_EQ(form.HitTest(9500, 6500)->Name(), "Hidden");
}

TEST_F(HitTest, PointerMovesGoToTheControlUnderThePointerElseToTheForm) {
  StartSample();
  driver.MoveTo(2000, 2000);
  driver.MoveTo(1500, 7500);
  driver.MoveTo(11000, 100);
  EXPECT_EQ(log, (std::vector<std::string>{"Front.MouseMove", "UnderShape.MouseMove", "Form.MouseMove"}));
}

TEST_F(HitTest, ClickNeedsTheButtonReleasedOverTheControlItWentDownOn) {
  StartSample();
  auto press = [&](double x, double y, rt::InputEvent::Type type) {
    app.Post(rt::InputEvent{.type = type, .x = rt::TwipsToPixels(x), .y = rt::TwipsToPixels(y)});
  };
  press(2000, 2000, rt::InputEvent::Type::PointerDown);  // Front
  press(3000, 2000, rt::InputEvent::Type::PointerUp);    // Back
  press(11000, 100, rt::InputEvent::Type::PointerDown);  // form
  press(2000, 2000, rt::InputEvent::Type::PointerUp);    // Front
  EXPECT_TRUE(log.empty());

  driver.ClickAt(3000, 2000);
  driver.ClickAt(11000, 100);
  EXPECT_EQ(log, (std::vector<std::string>{"Back.MouseMove", "Back.Click", "Form.MouseMove", "Form.Click"}));
}

TEST_F(HitTest, OnlyTheLeftButtonClicks) {
  StartSample();
  for (auto type : {rt::InputEvent::Type::PointerDown, rt::InputEvent::Type::PointerUp})
    app.Post(rt::InputEvent{.type = type, .x = 200, .y = 150, .button = 3});
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace quil::test
