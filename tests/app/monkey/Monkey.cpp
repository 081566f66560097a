#include "Monkey.h"

#include <algorithm>
#include <sstream>

#include "Invariants.h"
#include "MonkeyPlatform.h"
#include "ReplayInput.h"
#include "support/FakeMultimedia.h"

namespace quil::test {

Monkey::Monkey(FormRegistry forms, std::string programFolder)
    : forms_(std::move(forms)), folder_(std::move(programFolder)) {}

MonkeyReport Monkey::Run(InputSource& source) {
  MonkeyReport report;
  std::vector<MonkeyEvent> log;
  const auto fail = [&](std::string rule, std::string detail) {
    report.failure = MonkeyFailure{std::move(rule), std::move(detail), log};
  };
  for (;;) {
    MonkeyPlatform platform(source, log, report.coverage, progress_);
    platform.SetAppPath(folder_);
    FakeMultimedia media;
    rt::Application app(platform);
    Invariants invariants(app, report.coverage);
    platform.Attach(app, media, invariants);
    app.Observe(&invariants);
    forms_(app, media);
    ++report.coverage.runs;
    try {
      app.Start("Form1");
      app.Run();
      if (!app.Ended()) throw InvariantBroken("the program ends only through its own end", "the event loop returned");
    } catch (const OutOfInput&) {
      report.coverage.virtualSeconds += static_cast<double>(platform.Now()) / 1e6;
      return report;
    } catch (const InvariantBroken& broken) {
      fail(broken.Rule(), broken.what());
      return report;
    } catch (const std::exception& error) {
      fail("no exception escapes but the program's end", error.what());
      return report;
    }
    report.coverage.virtualSeconds += static_cast<double>(platform.Now()) / 1e6;
  }
}

namespace {

// The events less those from `first` to before `last`; the ones after keep
// their moments, so a click that came late enough still does.
std::vector<MonkeyEvent> Without(const std::vector<MonkeyEvent>& events, std::size_t first, std::size_t last) {
  std::vector<MonkeyEvent> kept(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(first));
  rt::Micros skipped = 0;
  for (std::size_t i = first; i < last; ++i) skipped += events[i].delay;
  for (std::size_t i = last; i < events.size(); ++i) {
    kept.push_back(events[i]);
    if (i == last) kept.back().delay += skipped;
  }
  return kept;
}

}  // namespace

bool Monkey::Breaks(const std::vector<MonkeyEvent>& events, const std::string& rule) {
  ReplayInput replay(events);
  const MonkeyReport report = Run(replay);
  return report.failure && report.failure->rule == rule;
}

// Delta debugging: drop ever smaller slices of the events while the same rule
// still breaks without them. Each try replays the events, so the count of
// tries bounds the work, whatever the machine's speed.
std::vector<MonkeyEvent> Monkey::Shrink(const MonkeyFailure& failure, int tries) {
  std::vector<MonkeyEvent> events = failure.events;
  std::size_t slices = 2;
  while (events.size() >= 2 && tries > 0) {
    const std::size_t slice = (events.size() + slices - 1) / slices;
    bool dropped = false;
    for (std::size_t start = 0; start < events.size() && tries > 0; start += slice) {
      --tries;
      std::vector<MonkeyEvent> without = Without(events, start, std::min(start + slice, events.size()));
      if (Breaks(without, failure.rule)) {
        events = std::move(without);
        slices = std::max<std::size_t>(slices - 1, 2);
        dropped = true;
        break;
      }
    }
    if (dropped) continue;
    if (slices >= events.size()) break;
    slices = std::min(events.size(), slices * 2);
  }
  return events;
}

std::string Explain(unsigned long long seed, const MonkeyFailure& failure, const std::vector<MonkeyEvent>& shrunk) {
  std::ostringstream text;
  text << "Monkey seed " << seed << " broke the rule \"" << failure.rule << "\"\n  " << failure.detail << "\n"
       << "after event " << failure.events.size() << "; that prefix reproduces it, and so do these " << shrunk.size()
       << " of its events:\n"
       << Describe(shrunk) << "Run the seed again with QUIL_MONKEY_SEED=" << seed << ".\n";
  return text.str();
}

}  // namespace quil::test
