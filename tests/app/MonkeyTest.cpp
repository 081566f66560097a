#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "monkey/HangWatch.h"
#include "monkey/Monkey.h"
#include "monkey/ProgramFolder.h"
#include "monkey/RandomInput.h"
#include "monkey/ReplayInput.h"
#include "runtime/Frame.h"
#include "app/Program.h"
#include "runtime/Image.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"

namespace quil::test {
namespace {

// A fixed seed keeps the suite repeatable; QUIL_MONKEY_SEED runs another.
unsigned long long Seed() {
  const char* seed = std::getenv("QUIL_MONKEY_SEED");
  return seed ? std::strtoull(seed, nullptr, 10) : 20081230;
}

// Replays a failure may take to shrink: the planted fault needs about twenty.
constexpr int kShrinkTries = 300;

TEST(Monkey, AHundredThousandEventsBreakNoRuleAndReachEveryScreenAndInput) {
  const unsigned long long seed = Seed();
  ProgramFolder folder;
  Monkey monkey(app::RegisterForms, folder.Path());
  RandomInput input(seed, 100'000);
  MonkeyReport report;
  {
    HangWatch watch(monkey.Progress(), std::chrono::seconds(30), "monkey seed " + std::to_string(seed) + " hung");
    report = monkey.Run(input);
  }
  const Coverage& seen = report.coverage;
  RecordProperty("coverage", seen.Summary());
  std::printf("%s\n", seen.Summary().c_str());
  if (report.failure) FAIL() << Explain(seed, *report.failure, monkey.Shrink(*report.failure, kShrinkTries));

  EXPECT_EQ(seen.events, 100'000);
  EXPECT_GE(seen.runs, 10) << "the program should end, through its exit, many times";
  FakePlatform platform;
  FakeMultimedia media;
  rt::Application registry(platform);
  app::RegisterForms(registry, media);
  for (const std::string& form : registry.FormNames()) EXPECT_TRUE(seen.frontForms.contains(form)) << form;
  EXPECT_EQ(seen.NeverClicked(), std::set<std::string>{}) << "offered but never clicked";
  EXPECT_EQ(seen.pages, (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(seen.panelLowest, 7850) << "the music panel fully up";
  EXPECT_GE(seen.panelHighest, 10000) << "and down";
  for (const char* title : {"Crimson Edge - Northgate", "Tuvo Channel", "Quil Shop Channel", "lol, weather", "lol, news",
                            "Quil Options", "lol, e-mail"})
    EXPECT_GT(seen.answeredBoxes.count(title), 0u) << title;
  for (const std::string arrow : {"ImageAR", "ImageAL"}) {
    if (!seen.offered.contains("Form1." + arrow)) continue;
    for (int key : {27, 80, 77, 49, 50})
      EXPECT_TRUE(seen.focusedKeys.contains("Form1." + arrow + " " + std::to_string(key))) << arrow << " " << key;
  }
}

// A fault planted in the mail button proves the rules bite and the shrinking
// ends with the few events that matter: the intro click and the mail click.
TEST(Monkey, FindsAPlantedFaultAndShrinksItToTheEventsThatMatter) {
  ProgramFolder folder;
  const auto plantFault = [](rt::Application& app, audio::Multimedia& media) {
    app.RegisterForm("Form1", [&media](rt::Application& a) {
      auto menu = app::MakeHomeMenu(a, media);
      rt::Frame* panel = &menu->Get<rt::Frame>("Frame1");
      menu->Get<rt::Image>("ImageMail").OnClick([panel] { panel->SetTop(5000); });
      return menu;
    });
    app::RegisterForms(app, media);
  };
  Monkey monkey(plantFault, folder.Path());
  RandomInput input(7, 100'000);
  const MonkeyReport report = monkey.Run(input);
  ASSERT_TRUE(report.failure);
  EXPECT_EQ(report.failure->rule, "the music panel's Top stays from 7850 to 10050");

  const auto shrunk = monkey.Shrink(*report.failure, kShrinkTries);
  EXPECT_LE(shrunk.size(), 6u) << Describe(shrunk);
  ReplayInput replay(shrunk);
  const MonkeyReport again = monkey.Run(replay);
  ASSERT_TRUE(again.failure);
  EXPECT_EQ(again.failure->rule, "the music panel's Top stays from 7850 to 10050");
  const std::string text = Explain(7, *report.failure, shrunk);
  EXPECT_NE(text.find("QUIL_MONKEY_SEED=7"), std::string::npos) << text;
}

}  // namespace
}  // namespace quil::test
