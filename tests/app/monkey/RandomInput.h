#pragma once

#include <cstdint>
#include <deque>
#include <random>

#include "InputSource.h"
#include "runtime/Form.h"

namespace quil::test {

// A seeded stream of what an impatient person does: clicks and moves anywhere,
// but mostly on what the front screen offers, every key with the program's own
// keys most often, answers to message boxes, pauses from nothing to 3 s. The
// same seed gives the same stream against the same program.
class RandomInput : public InputSource {
 public:
  RandomInput(std::uint64_t seed, long count) : random_(seed), left_(count) {}

  std::optional<MonkeyEvent> Next(const rt::Application& app, bool messageBoxShowing) override;

 private:
  void Plan(const rt::Application& app, bool messageBoxShowing);
  void Click(int x, int y, int button);
  void Key(int key);
  // A point of a control of the front form that takes the pointer and is on screen.
  bool AimAt(const rt::Form& front, int& x, int& y);
  const rt::Control* PickTarget(const rt::Form& front);
  MonkeyEvent At(MonkeyEvent::Kind kind, int x, int y, rt::Micros delay);
  rt::Micros Delay();
  rt::Micros Quick() { return Between(0, 150'000); }
  int Between(int low, int high) { return low + static_cast<int>(random_() % static_cast<std::uint64_t>(high - low + 1)); }
  bool Chance(int perMille) { return Between(0, 999) < perMille; }

  std::mt19937_64 random_;
  long left_;
  std::deque<MonkeyEvent> planned_;
  int pointerX_ = 400;
  int pointerY_ = 300;
};

}  // namespace quil::test
