#include <gtest/gtest.h>

#include "RuntimeFixture.h"

namespace quil::test {
namespace {

class Timers : public RuntimeFixture {
 protected:
  rt::Timer& Counted(int intervalMs) {
    auto& form = StartSample();
    rt::Timer& timer = form.AddTimer("Counted", intervalMs);
    timer.OnTimer([this] { tickTimes.push_back(platform.Now()); });
    return timer;
  }

  std::vector<rt::Micros> tickTimes;
};

TEST_F(Timers, AOneMillisecondTimerTicksAtTheDesktopResolution) {
  Counted(1).SetEnabled(true);
  driver.Advance(1000);
  EXPECT_EQ(tickTimes.size(), 64u);
  EXPECT_EQ(tickTimes.front(), 15625);
  EXPECT_EQ(tickTimes.back(), 1000000);
}

TEST_F(Timers, LongerIntervalsKeepTheirOwnLengthWithoutDrift) {
  Counted(50).SetEnabled(true);
  driver.Advance(1000);
  ASSERT_EQ(tickTimes.size(), 20u);
  for (std::size_t i = 0; i < tickTimes.size(); ++i) EXPECT_EQ(tickTimes[i], rt::Milliseconds(50 * (i + 1)));
}

TEST_F(Timers, ReEnablingRestartsTheCountdown) {
  rt::Timer& timer = Counted(100);
  timer.SetEnabled(true);
  driver.Advance(80);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  driver.Advance(99);
  EXPECT_TRUE(tickTimes.empty());
  driver.Advance(1);
  EXPECT_EQ(tickTimes, (std::vector<rt::Micros>{rt::Milliseconds(180)}));
}

TEST_F(Timers, ALateLoopFiresOneTickNotABurst) {
  rt::Timer& timer = Counted(1);
  timer.SetEnabled(true);
  platform.Stall(rt::Milliseconds(200));
  driver.Advance(1);
  EXPECT_EQ(tickTimes.size(), 1u);
  driver.Advance(5);
  EXPECT_EQ(tickTimes.size(), 2u) << "the next tick keeps the old rhythm";
  EXPECT_EQ(tickTimes.back() % rt::kTimerResolution, 0);
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(Timers, ADisabledTimerStaysQuietAndAOneShotTicksOnce) {
  rt::Timer& timer = Counted(100);
  timer.OnTimer([&] {
    tickTimes.push_back(platform.Now());
    timer.SetEnabled(false);
  });
  driver.Advance(500);
  EXPECT_TRUE(tickTimes.empty());
  timer.SetEnabled(true);
  driver.Advance(500);
  EXPECT_EQ(tickTimes.size(), 1u);
}

TEST_F(Timers, TimersTickInDeadlineOrderAndTiesInDesignOrder) {
  auto& form = StartSample();
  std::vector<std::string> order;
  for (const char* name : {"Slow", "Fast"}) {
    rt::Timer& timer = form.AddTimer(name, name[0] == 'S' ? 100 : 50);
    timer.OnTimer([&order, name] { order.push_back(name); });
    timer.SetEnabled(true);
  }
  driver.Advance(100);
  EXPECT_EQ(order, (std::vector<std::string>{"Fast", "Slow", "Fast"}));
}

}  // namespace
}  // namespace quil::test
