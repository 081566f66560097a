#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Coverage.h"
#include "InputSource.h"
#include "MonkeyEvent.h"
#include "audio/Multimedia.h"
#include "runtime/Application.h"

namespace quil::test {

struct MonkeyFailure {
  std::string rule;
  std::string detail;
  // Every event up to the one after which the rule was found broken.
  std::vector<MonkeyEvent> events;
};

struct MonkeyReport {
  Coverage coverage;
  std::optional<MonkeyFailure> failure;
};

// Runs the whole program on a virtual clock under a stream of events: from
// load, again and again, each run ending through the program's own end, until
// the stream runs dry or a rule of Invariants breaks. Any exception other than
// the program's own end is a failure too.
class Monkey {
 public:
  using FormRegistry = std::function<void(rt::Application&, audio::Multimedia&)>;

  // `forms` registers the program's screens (app::RegisterForms); the
  // program's folder is `programFolder`.
  Monkey(FormRegistry forms, std::string programFolder);

  MonkeyReport Run(InputSource& source);

  // The fewest of the failure's events, kept in order, that still break the
  // same rule, found in at most `tries` replays.
  std::vector<MonkeyEvent> Shrink(const MonkeyFailure& failure, int tries);

  // Events taken so far, for a watchdog on another thread.
  const std::atomic<long>& Progress() const { return progress_; }

 private:
  bool Breaks(const std::vector<MonkeyEvent>& events, const std::string& rule);

  FormRegistry forms_;
  std::string folder_;
  std::atomic<long> progress_{0};
};

// The text a failing run prints: the seed, the broken rule, the failing prefix's
// length and the shrunk events, and how to run the seed again.
std::string Explain(unsigned long long seed, const MonkeyFailure& failure, const std::vector<MonkeyEvent>& shrunk);

}  // namespace quil::test
