#include "TraceAnalysis.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/TraceFile.h"
#include "runtime/Application.h"
#include "runtime/Label.h"
#include "support/FakePlatform.h"

namespace quil::bench {
namespace {

std::vector<TraceRecord> Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseTrace(in);
}

// A label that slides five steps on a fast timer, then stops it.
class Slide : public rt::Form {
 public:
  explicit Slide(rt::Application& app) : Form(app, "Slide") {
    auto& label = Add<rt::Label>("Moving", rt::Rect{0, 0, 300, 300}, "x", rt::Label::Look{});
    auto& timer = AddTimer("TimerSlide", 1);
    timer.OnTimer([&label, &timer] {
      label.SetLeft(label.Left() + 100);
      if (label.Left() >= 500) timer.SetEnabled(false);
    });
    OnClick([&timer] { timer.SetEnabled(true); });
  }
};

// The runtime's records, through the file the program writes, read back as
// the benchmark reads them.
TEST(TraceAnalysis, ReadsBackARealTimerRunFromTheTraceFile) {
  const auto path = std::filesystem::temp_directory_path() / ("quil-trace-test-" + std::to_string(::getpid()));
  {
    app::TraceFile file(path.string());
    test::FakePlatform platform;
    rt::Application app(platform);
    app.SetTrace(&file);
    app.RegisterForm("Slide", [](rt::Application& a) { return std::make_unique<Slide>(a); });
    app.Start("Slide");
    // On the form, away from the label.
    app.Post(rt::InputEvent{.type = rt::InputEvent::Type::PointerDown, .x = 100, .y = 100});
    app.Post(rt::InputEvent{.type = rt::InputEvent::Type::PointerUp, .x = 100, .y = 100});
    app.RunFor(rt::Milliseconds(500));
    file.Record(rt::TraceKind::Effect, "mixer", "a file name.wav", {});
  }
  std::ifstream in(path);
  const auto trace = ParseTrace(in);
  std::filesystem::remove(path);

  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace.front().kind, "start");
  EXPECT_EQ(trace.back().item, "a_file_name.wav") << "a name stays one field";
  EXPECT_TRUE(trace.back().event.empty());
  const auto click = std::find_if(trace.begin(), trace.end(), [](const TraceRecord& r) { return r.kind == "handler" && r.event == "Click"; });
  ASSERT_NE(click, trace.end());
  EXPECT_EQ(click->owner, "Slide");
  EXPECT_EQ(click->item, "Form");

  const auto runs = AnimationRuns(trace, "Slide", "TimerSlide");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].ticks, 5);
  const auto firstTick = std::find_if(trace.begin(), trace.end(), [](const TraceRecord& r) { return r.kind == "tick"; });
  EXPECT_EQ(std::count_if(firstTick, trace.end(), [](const TraceRecord& r) { return r.kind == "paint"; }), 5)
      << "every tick moved the label, and the runtime painted after each";
}

TEST(TraceAnalysis, CountsTicksGapsAndFramesOfEachRun) {
  // Two runs of a 1/64 s timer. In the first, every tick reaches the screen;
  // the last tick's frame comes after the record that disabled the timer. In
  // the second, the first tick's change lies off the screen (a frame of no
  // pixels), the second changes nothing (no paint), the third comes late.
  const auto trace = Parse(
      "# comment\n"
      "1000 0 timer-on Form1 TimerZoom -\n"
      "16625 0 tick Form1 TimerZoom -\n17000 0 paint Form1 - -\n17100 0 present Form1 100 pixels\n"
      "32250 0 tick Form1 TimerZoom -\n32300 0 timer-off Form1 TimerZoom -\n32400 0 paint Form1 - -\n"
      "32500 0 present Form1 480000 pixels\n"
      "90000 0 timer-on Form1 TimerZoom -\n"
      "105625 0 tick Form1 TimerZoom -\n105650 0 paint Form1 - -\n105700 0 present Form1 0 pixels\n"
      "121250 0 tick Form1 TimerZoom -\n"
      "140000 0 tick Form1 TimerZoom -\n140100 0 paint Form1 - -\n140200 0 present Form1 50 pixels\n"
      "155625 0 tick Form1 TimerZoom -\n155650 0 paint Form1 - -\n155700 0 present Form1 50 pixels\n"
      "171250 0 tick Form1 TimerZoom -\n171260 0 timer-off Form1 TimerZoom -\n"
      "171300 0 paint Form1 - -\n171400 0 present Form1 50 pixels\n"
      "171500 0 tick Form1 TimerAR -\n171550 0 paint Form1 - -\n171600 0 present Form1 50 pixels\n"
      "not a record\n");
  const auto runs = AnimationRuns(trace, "Form1", "TimerZoom");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].ticks, 2);
  EXPECT_EQ(runs[0].wallUs, 31250);
  EXPECT_EQ(runs[0].changingTicks, 2);
  EXPECT_EQ(runs[0].frames, 2);
  EXPECT_EQ(runs[1].ticks, 5);
  EXPECT_EQ(runs[1].wallUs, 81250);
  EXPECT_EQ(runs[1].longestGapUs, 18750);
  EXPECT_EQ(runs[1].changingTicks, 3);
  EXPECT_EQ(runs[1].frames, 3);

  // The same seven ticks seen as a timer that never stops, in runs of two
  // whole periods each: a run starts where the tick before it ended.
  const auto repeating = RepeatingRuns(trace, "Form1", "TimerZoom", 2);
  ASSERT_EQ(repeating.size(), 3u);
  EXPECT_EQ(repeating[0].wallUs, 105625 - 16625);
  EXPECT_EQ(repeating[1].wallUs, 140000 - 105625);
  EXPECT_EQ(repeating[1].changingTicks, 1) << "the pause changed nothing";
  EXPECT_EQ(repeating[1].frames, 1);
  EXPECT_EQ(RepeatingRuns(trace, "Form1", "TimerZoom", 2, 100000, 160000).size(), 1u);
  // Three ticks in the window make one run of two: the ticks after the window belong to none.
  const auto window = RepeatingRuns(trace, "Form1", "TimerZoom", 2, 100000, 150000);
  ASSERT_EQ(window.size(), 1u);
  EXPECT_EQ(window[0].ticks, 2);
}

TEST(TraceAnalysis, FrameCostsAndHoverLatencyFollowTheWorkThatLedToThem) {
  const auto trace = Parse(
      "100 5000 present Form1 480000 pixels\n"
      "200 5100 paint Form1 - -\n"              // nothing changed: not a frame's work
      "1000 6000 input PointerMove - -\n"
      "1001 6010 handler Form1 Shape2Image MouseMove\n"
      "1002 6020 effect mixer tool_tip_text_BEST2.wav -\n"
      "1500 90 effect-heard mixer - -\n"         // the mixer's thread, its own CPU clock
      "1600 6300 paint Form1 - -\n"
      "1700 6400 present Form1 17000 pixels\n"
      "5000 7000 input KeyUp - -\n"
      "5001 7010 effect mixer other.wav -\n"
      "5300 91 effect-heard mixer - -\n"
      "9000 8000 input PointerMove - -\n"
      "9001 8005 effect mixer tool_tip_text_BEST2.wav -\n"
      "9021 92 effect-heard mixer - -\n");
  const auto frames = FrameCosts(trace);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].cpuUs, 400);
  EXPECT_EQ(frames[0].pixels, 17000);
  EXPECT_TRUE(FrameAfter(frames[0], "handler", "Shape2Image", "MouseMove"));
  EXPECT_FALSE(FrameAfter(frames[0], "tick", ""));

  EXPECT_EQ(InputToSoundUs(trace, "tool_tip_text_BEST2.wav"), (std::vector<long long>{500, 21}));

  const auto summary = Summarise({3, 1, 2, 10});
  ASSERT_TRUE(summary);
  EXPECT_DOUBLE_EQ(summary->median, 2.5);
  EXPECT_DOUBLE_EQ(summary->max, 10);
  EXPECT_FALSE(Summarise({}));
}

}  // namespace
}  // namespace quil::bench
