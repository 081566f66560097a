#include <gtest/gtest.h>

#include "RuntimeFixture.h"

namespace quil::test {
namespace {

class Focus : public RuntimeFixture {};

TEST_F(Focus, AClickOnAPictureBoxGivesItTheFocusAndItsKeys) {
  auto& form = StartSample();
  EXPECT_EQ(form.Focused(), nullptr);
  driver.KeyUp('P');
  driver.Click("BoxA");
  driver.KeyUp('P');
  EXPECT_EQ(form.Focused()->Name(), "BoxA");
  EXPECT_EQ(log, (std::vector<std::string>{"Form.KeyUp 80", "BoxA.MouseMove", "BoxA.Click", "BoxA.KeyUp 80"}));
}

TEST_F(Focus, LabelsAndImagesNeverTakeTheFocus) {
  auto& form = StartSample();
  driver.Click("BoxB");
  driver.Click("Back");
  EXPECT_EQ(form.Focused()->Name(), "BoxB");
}

TEST_F(Focus, TabAndShiftTabCycleThroughShownPictureBoxesInTabOrder) {
  auto& form = StartSample();
  driver.KeyDown(rt::kKeyTab);
  EXPECT_EQ(form.Focused()->Name(), "BoxB");  // tab index 0
  driver.KeyDown(rt::kKeyTab);
  EXPECT_EQ(form.Focused()->Name(), "BoxA");
  driver.KeyDown(rt::kKeyTab);
  EXPECT_EQ(form.Focused()->Name(), "BoxB");
  driver.KeyDown(rt::kKeyTab, rt::kShiftMask);
  EXPECT_EQ(form.Focused()->Name(), "BoxA");
  driver.KeyUp(rt::kKeyTab);
  EXPECT_TRUE(log.empty()) << "Tab moves the focus and reaches no handler";
}

TEST_F(Focus, HidingTheFocusedControlPassesTheFocusOnOrDropsIt) {
  auto& form = StartSample();
  driver.Click("BoxB");
  form.Get<rt::PictureBox>("BoxB").SetVisible(false);
  EXPECT_EQ(form.Focused()->Name(), "BoxA");
  form.Get<rt::PictureBox>("BoxA").SetVisible(false);
  EXPECT_EQ(form.Focused(), nullptr);
  driver.KeyUp('M');
  EXPECT_EQ(log.back(), "Form.KeyUp 77");
  driver.KeyDown(rt::kKeyTab);
  EXPECT_EQ(form.Focused(), nullptr) << "hidden picture boxes cannot take the focus";
}

}  // namespace
}  // namespace quil::test
