#include "TraceAnalysis.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace quil::bench {
namespace {

constexpr const char* kTick = "tick";
constexpr const char* kPaint = "paint";
constexpr const char* kPresent = "present";
constexpr const char* kInput = "input";

// Records of the mixer's own thread carry that thread's CPU clock and say
// nothing about the user-interface thread's work.
bool OnMixerThread(const TraceRecord& record) { return record.kind == "effect-heard"; }

bool IsTickOf(const TraceRecord& record, const std::string& owner, const std::string& timer) {
  return record.kind == kTick && record.owner == owner && record.item == timer;
}

std::string Field(const std::string& text) { return text == "-" ? std::string() : text; }

// Follows the ticks of one timer through the trace. A tick changes the
// screen when the runtime painted before the timer ticked again (a tick that
// changed nothing, like the pause at each end of a swing, is not painted) and
// the frame that followed pushed pixels (a change off the screen pushes
// none). Each frame carries the changing ticks since the frame before: one
// each, unless a late loop let two into one frame.
class RunBuilder {
 public:
  RunBuilder(const std::vector<TraceRecord>& trace, const std::string& owner, const std::string& timer)
      : trace_(trace), owner_(owner), timer_(timer) {}

  AnimationRun Build(std::size_t start, long long startUs, std::size_t end) {
    AnimationRun run;
    long long lastUs = startUs;
    bool ticked = false;  // a tick waits for its paint
    int painted = 0;      // painted ticks since the last frame
    for (std::size_t i = start; i < trace_.size(); ++i) {
      const TraceRecord& record = trace_[i];
      // Past the run's end only the frame of its last tick still belongs to it.
      if (i >= end && ((!ticked && painted == 0) || record.kind == kTick || record.kind == kInput)) break;
      if (IsTickOf(record, owner_, timer_)) {
        run.longestGapUs = std::max(run.longestGapUs, record.us - lastUs);
        lastUs = record.us;
        ++run.ticks;
        ticked = true;
      } else if (record.kind == kPaint) {
        if (ticked) ++painted;
        ticked = false;
      } else if (record.kind == kPresent) {
        if (painted > 0 && std::atoll(record.item.c_str()) > 0) {
          run.changingTicks += painted;
          ++run.frames;
        }
        painted = 0;
      }
    }
    run.wallUs = lastUs - startUs;
    return run;
  }

 private:
  const std::vector<TraceRecord>& trace_;
  const std::string& owner_;
  const std::string& timer_;
};

}  // namespace

std::vector<TraceRecord> ParseTrace(std::istream& in) {
  std::vector<TraceRecord> trace;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    TraceRecord record;
    if (!(fields >> record.us >> record.cpuUs >> record.kind >> record.owner >> record.item >> record.event)) continue;
    record.owner = Field(record.owner);
    record.item = Field(record.item);
    record.event = Field(record.event);
    trace.push_back(std::move(record));
  }
  return trace;
}

std::vector<AnimationRun> AnimationRuns(const std::vector<TraceRecord>& trace, const std::string& owner,
                                        const std::string& timer) {
  std::vector<AnimationRun> runs;
  RunBuilder builder(trace, owner, timer);
  const auto about = [&](const TraceRecord& record, const char* kind) {
    return record.kind == kind && record.owner == owner && record.item == timer;
  };
  for (std::size_t i = 0; i < trace.size(); ++i) {
    if (!about(trace[i], "timer-on")) continue;
    std::size_t end = i + 1;
    // The run ends at the record that disables the timer; that happens in its
    // last tick, so the records up to the next tick still belong to it.
    while (end < trace.size() && !about(trace[end], "timer-off")) ++end;
    runs.push_back(builder.Build(i + 1, trace[i].us, std::min(end + 1, trace.size())));
    i = end;
  }
  return runs;
}

std::vector<AnimationRun> RepeatingRuns(const std::vector<TraceRecord>& trace, const std::string& owner,
                                        const std::string& timer, int ticksPerRun, long long fromUs,
                                        long long toUs) {
  std::vector<std::size_t> ticks;
  for (std::size_t i = 0; i < trace.size(); ++i)
    if (IsTickOf(trace[i], owner, timer) && trace[i].us >= fromUs && (toUs < 0 || trace[i].us <= toUs))
      ticks.push_back(i);
  std::vector<AnimationRun> runs;
  RunBuilder builder(trace, owner, timer);
  // A run starts where the tick before it ended, so that it spans whole periods.
  // The last run ends with its last tick (and that tick's frame), not with the trace.
  for (std::size_t first = 1; first + ticksPerRun <= ticks.size(); first += ticksPerRun) {
    const std::size_t next = first + ticksPerRun;
    const std::size_t end = next < ticks.size() ? ticks[next] : ticks[next - 1] + 1;
    runs.push_back(builder.Build(ticks[first - 1] + 1, trace[ticks[first - 1]].us, end));
  }
  return runs;
}

std::vector<FrameCost> FrameCosts(const std::vector<TraceRecord>& trace) {
  std::vector<FrameCost> frames;
  std::vector<const TraceRecord*> batch;
  for (const TraceRecord& record : trace) {
    if (OnMixerThread(record)) continue;
    batch.push_back(&record);
    if (record.kind != kPresent) continue;
    // The batch's work starts with its first input or tick; what came before
    // (a paint of nothing, the end of the last frame) is not this frame's.
    const auto first = std::find_if(batch.begin(), batch.end(), [](const TraceRecord* r) {
      return r->kind == kInput || r->kind == kTick || r->kind == "start";
    });
    if (first != batch.end()) {
      FrameCost frame;
      frame.cpuUs = record.cpuUs - (*first)->cpuUs;
      frame.pixels = std::atoll(record.item.c_str());
      frame.batch.assign(first, batch.end());
      frames.push_back(std::move(frame));
    }
    batch.clear();
  }
  return frames;
}

bool FrameAfter(const FrameCost& frame, const std::string& kind, const std::string& item, const std::string& event) {
  return std::any_of(frame.batch.begin(), frame.batch.end(), [&](const TraceRecord* record) {
    return record->kind == kind && (item.empty() || record->item == item) && (event.empty() || record->event == event);
  });
}

std::vector<long long> InputToSoundUs(const std::vector<TraceRecord>& trace, const std::string& effect) {
  std::vector<long long> latencies;
  const TraceRecord* input = nullptr;
  const TraceRecord* started = nullptr;
  for (const TraceRecord& record : trace) {
    if (record.kind == kInput) {
      input = &record;
    } else if (record.kind == "effect") {
      started = record.item == effect ? input : nullptr;
    } else if (record.kind == "effect-heard" && started) {
      latencies.push_back(record.us - started->us);
      started = nullptr;
    }
  }
  return latencies;
}

std::optional<Summary> Summarise(std::vector<double> values) {
  if (values.empty()) return std::nullopt;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return Summary{median, values.back(), static_cast<int>(n)};
}

}  // namespace quil::bench
