// The long monkey: quil_monkey [EVENTS [SEED]]. Prints how far it got and how
// fast, or the failure with its shrunk events; exit status 1 on a failure.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "HangWatch.h"
#include "Monkey.h"
#include "ProgramFolder.h"
#include "RandomInput.h"
#include "app/Program.h"

int main(int argc, char** argv) {
  using namespace quil::test;
  const long events = argc > 1 ? std::atol(argv[1]) : 10'000'000;
  const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : std::random_device{}();
  ProgramFolder folder;
  Monkey monkey(quil::app::RegisterForms, folder.Path());
  RandomInput input(seed, events);
  const auto start = std::chrono::steady_clock::now();
  MonkeyReport report;
  {
    HangWatch watch(monkey.Progress(), std::chrono::seconds(60), "monkey seed " + std::to_string(seed) + " hung");
    report = monkey.Run(input);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("seed %llu: %s\n", seed, report.coverage.Summary().c_str());
  std::printf("the same run again: %s %ld %llu\n", argv[0], events, seed);
  std::printf("%.0f events per second (%.1f s)\n", static_cast<double>(report.coverage.events) / seconds, seconds);
  if (!report.failure) return 0;
  const auto shrunk = monkey.Shrink(*report.failure, 500);
  std::fputs(Explain(seed, *report.failure, shrunk).c_str(), stderr);
  return 1;
}
