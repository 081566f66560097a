// Prints the benchmark's one table from what bench/run.sh measured: the
// start-up timings of hyperfine, the instruction counts of callgrind, the
// program's trace and the idle and memory figures read from /proc.
//
//   quil-bench-report --startup start.csv --instructions FLOOR QUIL --trace trace.txt
//                     --idle PERCENT INTERFACE_PERCENT --idle-floors MUSIC_PERCENT STILL_PERCENT WAKE_PERCENT
//                     --rss START_KB WARM_KB AFTER_KB --visits N
//                     --trace-2x trace-2x.txt --idle-2x INTERFACE_PERCENT

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TraceAnalysis.h"

namespace {

using quil::bench::AnimationRun;
using quil::bench::FrameCost;
using quil::bench::TraceRecord;

constexpr double kFastTickUs = 1'000'000.0 / 64;
constexpr double kArrowTickUs = 50'000;

struct HyperfineRow {
  double mean = 0;
  double median = 0;
  double min = 0;
  double cpu = 0;  // user + system
};

// hyperfine --export-csv: command,mean,stddev,median,user,system,min,max (seconds).
std::vector<HyperfineRow> ReadHyperfine(const std::string& path) {
  std::vector<HyperfineRow> rows;
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream fields(line);
    for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
    if (cells.size() < 8) continue;
    const auto ms = [&](int i) { return std::atof(cells[static_cast<std::size_t>(i)].c_str()) * 1000; };
    rows.push_back({ms(1), ms(3), ms(6), ms(4) + ms(5)});
  }
  return rows;
}

void Row(const std::string& measure, const std::string& figure, const std::string& target, bool met) {
  std::printf("| %-44s | %-44s | %-22s | %-4s |\n", measure.c_str(), figure.c_str(), target.c_str(),
              met ? "ok" : "MISS");
}

void Section(const char* title) { std::printf("| **%s** | | | |\n", title); }

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// One animation against the ticks it should take: ticks, wall time, frames.
void AnimationRow(const std::string& name, const AnimationRun* run, int designTicks, double periodUs) {
  if (!run) {
    Row(name, "not seen in the trace", Format("%.0f ticks", designTicks), false);
    return;
  }
  const double designMs = designTicks * periodUs / 1000;
  const double wallMs = run->wallUs / 1000.0;
  const double errorMs = wallMs - designMs;
  const bool ticksMet = run->ticks == designTicks;
  const bool wallMet = std::abs(errorMs) <= periodUs / 1000;
  const bool framesMet = run->frames == run->changingTicks;
  Row(name + ": ticks, wall time",
      Format("%.0f ticks, %.1f ms (%+.1f ms)", run->ticks, wallMs, errorMs),
      Format("%.0f ticks, %.0f ms +-1 tick", designTicks, designMs), ticksMet && wallMet);
  Row(name + ": frames per changing tick",
      Format("%.2f (%.0f for %.0f), longest gap %.1f ms",
             run->changingTicks ? double(run->frames) / run->changingTicks : 0, run->frames, run->changingTicks,
             run->longestGapUs / 1000.0),
      "1.00", framesMet && run->changingTicks > 0);
}

const AnimationRun* Nth(const std::vector<AnimationRun>& runs, std::size_t n) {
  return n < runs.size() ? &runs[n] : nullptr;
}

template <class Chosen>
void FrameCostRow(const std::string& name, const std::vector<FrameCost>& frames, Chosen chosen, double limitMs) {
  std::vector<double> cpu;
  for (const FrameCost& frame : frames)
    if (chosen(frame)) cpu.push_back(frame.cpuUs / 1000.0);
  const auto summary = quil::bench::Summarise(cpu);
  if (!summary) {
    Row(name, "no such frame in the trace", Format("<= %.0f ms", limitMs), false);
    return;
  }
  Row(name, Format("median %.2f ms, max %.2f ms (%.0f frames)", summary->median, summary->max, summary->count),
      Format("<= %.0f ms", limitMs), summary->median <= limitMs);
}

// The frames of a screen of `whole` pixels: a tile lit, a zoom tick, and the
// whole screen painted (not counting the first frame).
void FrameCostRows(const std::vector<FrameCost>& frames, long long whole, const char* scale, double smallMs,
                   double wholeMs, bool smallOnly = false) {
  const std::string at = scale;
  FrameCostRow("tile hover" + at, frames, [whole](const FrameCost& f) {
    return quil::bench::FrameAfter(f, "handler", "Shape2Image", "MouseMove") && f.pixels < whole;
  }, smallMs);
  FrameCostRow("zoom tick" + at, frames, [whole](const FrameCost& f) {
    return quil::bench::FrameAfter(f, "tick", "TimerZoom") && f.pixels < whole;
  }, smallMs);
  if (!smallOnly) {
    FrameCostRow("page scroll tick" + at, frames, [whole](const FrameCost& f) {
      return quil::bench::FrameAfter(f, "tick", "TimerPage") && f.pixels < whole;
    }, smallMs);
    FrameCostRow("arrow swing tick" + at, frames, [whole](const FrameCost& f) {
      return quil::bench::FrameAfter(f, "tick", "TimerAR") && f.pixels < whole;
    }, smallMs);
  }
  FrameCostRow("full repaint (reveal, channel screen, menu)" + at, frames, [whole](const FrameCost& f) {
    return f.pixels == whole && !quil::bench::FrameAfter(f, "start", "");
  }, wholeMs);
}

// The interface thread's share at rest: with the arrows' swing its frames are
// the cost, beside what a bare X client pays for the same swing; twice the
// size may cost a fifth more.
void IdleRows(const std::string& atOne, const std::string& atTwo, const std::string& wakeFloor) {
  if (atOne.empty()) return;
  const double one = std::atof(atOne.c_str());
  const double floor = std::atof(wakeFloor.c_str());
  Row("interface thread at rest on the menu",
      floor > 0 ? Format("%.3f %% of a core = %.2fx the bare X client", one, one / floor)
                : Format("%.3f %% of a core", one),
      "<= 0.15 %", one <= 0.15);
  if (atTwo.empty()) return;
  const double two = std::atof(atTwo.c_str());
  Row("the same at twice the size", Format("%.3f %% of a core = %.2fx", two, two / one), "<= 1.2x", two <= 1.2 * one);
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::vector<std::string>> args;
  std::string key;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word.rfind("--", 0) == 0)
      key = word.substr(2), args[key];
    else
      args[key].push_back(word);
  }
  const auto arg = [&](const std::string& name, std::size_t n = 0) {
    const auto found = args.find(name);
    return found != args.end() && n < found->second.size() ? found->second[n] : std::string();
  };

  std::printf("| Measure | Figure | Target | |\n|---|---|---|---|\n");

  Section("Start-up (exec to first frame on the screen, same hyperfine run)");
  const auto startup = ReadHyperfine(arg("startup"));
  if (startup.size() == 2) {
    const HyperfineRow& floor = startup[0];
    const HyperfineRow& quil = startup[1];
    Row("bare SDL2 program, one black frame", Format("mean %.1f ms, median %.1f, min %.1f", floor.mean, floor.median, floor.min),
        "the floor", true);
    Row("quil-os", Format("mean %.1f ms, median %.1f, min %.1f", quil.mean, quil.median, quil.min), "", true);
    Row("quil-os / floor", Format("%.2fx mean, %.2fx median", quil.mean / floor.mean, quil.median / floor.median),
        "<= 1.2x", quil.mean / floor.mean <= 1.2);
    Row("CPU (user + system), quil-os / floor", Format("%.1f / %.1f ms = %.2fx", quil.cpu, floor.cpu, quil.cpu / floor.cpu),
        "", true);
  } else {
    Row("start-up", "no hyperfine figures", "", false);
  }
  if (!arg("instructions", 1).empty()) {
    const double floorIr = std::atof(arg("instructions", 0).c_str());
    const double quilIr = std::atof(arg("instructions", 1).c_str());
    Row("instructions to the first frame (callgrind)",
        Format("%.1fM / %.1fM = %.2fx", quilIr / 1e6, floorIr / 1e6, quilIr / floorIr), "<= 1.2x", quilIr / floorIr <= 1.2);
  }

  std::ifstream traceFile(arg("trace"));
  const std::vector<TraceRecord> trace = quil::bench::ParseTrace(traceFile);

  Section("Animations (real program under Xvfb, from its trace)");
  const auto zoom = quil::bench::AnimationRuns(trace, "Form1", "TimerZoom");
  AnimationRow("zoom, first", Nth(zoom, 0), 14, kFastTickUs);
  AnimationRow("zoom, later", Nth(zoom, 1), 13, kFastTickUs);
  const auto page = quil::bench::AnimationRuns(trace, "Form1", "TimerPage");
  AnimationRow("page scroll, next", Nth(page, 0), 24, kFastTickUs);
  AnimationRow("page scroll, previous", Nth(page, 1), 25, kFastTickUs);
  const auto rise = quil::bench::AnimationRuns(trace, "Form1", "TimerMusic");
  AnimationRow("music panel rise, first", Nth(rise, 0), 43, kFastTickUs);
  const auto lower = quil::bench::AnimationRuns(trace, "Form1", "TimerMusic2");
  AnimationRow("music panel lowering", Nth(lower, 0), 44, kFastTickUs);
  // The arrows swing behind the channel screens too, unseen: they are
  // measured while the menu rests, before the first zoom.
  long long firstZoomUs = -1;
  for (const TraceRecord& record : trace)
    if (record.kind == "timer-on" && record.item == "TimerZoom") {
      firstZoomUs = record.us;
      break;
    }
  const auto swings = quil::bench::RepeatingRuns(trace, "Form1", "TimerAR", 12, 0, firstZoomUs);
  std::vector<AnimationRun> byWall = swings;
  std::sort(byWall.begin(), byWall.end(), [](const AnimationRun& a, const AnimationRun& b) { return a.wallUs < b.wallUs; });
  const AnimationRun* typical = byWall.empty() ? nullptr : &byWall[byWall.size() / 2];
  const AnimationRun* worst = byWall.empty() ? nullptr : &byWall.back();
  AnimationRow(Format("arrow swing, median of %.0f", byWall.size()), typical, 12, kArrowTickUs);
  AnimationRow("arrow swing, slowest", worst, 12, kArrowTickUs);

  Section("Frame cost (CPU of the user-interface thread per frame)");
  FrameCostRows(quil::bench::FrameCosts(trace), 800LL * 600, "", 1, 4);
  if (!arg("trace-2x").empty()) {
    std::ifstream traceFile2x(arg("trace-2x"));
    FrameCostRows(quil::bench::FrameCosts(quil::bench::ParseTrace(traceFile2x)), 1600LL * 1200, ", 2x", 2, 10, true);
  }

  Section("At rest and over time");
  if (!arg("idle").empty()) {
    const double idle = std::atof(arg("idle").c_str());
    const double main = std::atof(arg("idle", 1).c_str());
    Row("CPU at rest on the menu, music playing",
        Format("%.2f %% of a core (interface %.2f, sound %.2f)", idle, main, idle - main), "<= 0.5 %", idle <= 0.5);
    IdleRows(arg("idle", 1), arg("idle-2x"), arg("idle-floors", 2));
  }
  if (!arg("idle-floors", 1).empty()) {
    // What the program cannot spend less on: its music, decoded and mixed, and
    // the runtime's wait when nothing moves. The arrows' swing is the rest.
    Row("the same music alone (bare SDL2_mixer program)", Format("%.2f %% of a core", std::atof(arg("idle-floors").c_str())),
        "floor", true);
    Row("a still form on the same runtime", Format("%.2f %% of a core", std::atof(arg("idle-floors", 1).c_str())), "floor",
        true);
    if (!arg("idle-floors", 2).empty())
      Row("a bare X client copying a small piece 20 times a second",
          Format("%.3f %% of a core", std::atof(arg("idle-floors", 2).c_str())), "floor", true);
  }
  if (!arg("rss", 2).empty()) {
    const double start = std::atof(arg("rss", 0).c_str()) / 1024;
    const double warm = std::atof(arg("rss", 1).c_str()) / 1024;
    const double after = std::atof(arg("rss", 2).c_str()) / 1024;
    Row("resident memory on the menu after start", Format("%.1f MB", start), "<= 40 MB", start <= 40);
    Row("after the first 2 channel visits", Format("%.1f MB (%+.1f MB)", warm, warm - start), "<= 40 MB", warm <= 40);
    Row("after " + arg("visits") + " more", Format("%.1f MB (%+.1f MB)", after, after - warm), "<= 40 MB, flat +-1 MB",
        after <= 40 && std::abs(after - warm) <= 1);
  }

  Section("Hover to sound");
  std::vector<double> hover;
  for (const long long us : quil::bench::InputToSoundUs(trace, "tool_tip_text_BEST2.wav")) hover.push_back(us / 1000.0);
  if (const auto summary = quil::bench::Summarise(hover))
    Row("pointer event to first samples out of the mixer",
        Format("median %.1f ms, max %.1f ms (%.0f hovers)", summary->median, summary->max, summary->count), "<= 25 ms",
        summary->max <= 25);
  else
    Row("pointer event to first samples out of the mixer", "no hover sound in the trace", "<= 25 ms", false);
  return 0;
}
