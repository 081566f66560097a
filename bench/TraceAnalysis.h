#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace quil::bench {

// One line of a program trace (see src/app/TraceFile.h): when, how much CPU
// the recording thread had used by then, and what happened to what.
struct TraceRecord {
  long long us = 0;
  long long cpuUs = 0;
  std::string kind;
  std::string owner;
  std::string item;
  std::string event;
};

// Reads a trace; comment lines and lines that do not parse are skipped.
std::vector<TraceRecord> ParseTrace(std::istream& in);

// How one run of an animation timer went: from the record that enabled the
// timer to its last tick before it was disabled (or the end of the trace).
struct AnimationRun {
  int ticks = 0;
  long long wallUs = 0;        // enable to last tick
  long long longestGapUs = 0;  // between two ticks, or enable and the first
  int changingTicks = 0;       // ticks whose frame changed pixels on the screen
  int frames = 0;              // frames that carried those ticks: one each when none was dropped
};

// Every run of the timer `owner`.`timer` in the trace, in order.
std::vector<AnimationRun> AnimationRuns(const std::vector<TraceRecord>& trace, const std::string& owner,
                                        const std::string& timer);

// A timer that never stops (a swing, a pulse) cut into runs of `ticksPerRun`
// ticks each, from its ticks between `fromUs` and `toUs`. Measure it while
// its form is in front: behind another form its ticks change nothing seen.
std::vector<AnimationRun> RepeatingRuns(const std::vector<TraceRecord>& trace, const std::string& owner,
                                        const std::string& timer, int ticksPerRun, long long fromUs = 0,
                                        long long toUs = -1);

// What one frame cost: the CPU time of the user-interface thread from the
// input or tick that started its batch of work to the frame on the screen.
struct FrameCost {
  long long cpuUs = 0;
  long long pixels = 0;
  std::vector<const TraceRecord*> batch;  // what happened since the frame before, the frame last
};

std::vector<FrameCost> FrameCosts(const std::vector<TraceRecord>& trace);

// True when `frame` followed a record of `kind` on `item` with `event`
// (empty fields match anything).
bool FrameAfter(const FrameCost& frame, const std::string& kind, const std::string& item,
                const std::string& event = {});

// For each time an effect named `effect` was heard: from the input that led
// to it to its first samples leaving the mixer.
std::vector<long long> InputToSoundUs(const std::vector<TraceRecord>& trace, const std::string& effect);

struct Summary {
  double median = 0;
  double max = 0;
  int count = 0;
};
std::optional<Summary> Summarise(std::vector<double> values);

}  // namespace quil::bench
