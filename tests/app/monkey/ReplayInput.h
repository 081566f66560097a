#pragma once

#include <cstddef>
#include <vector>

#include "InputSource.h"

namespace quil::test {

// The same events again, in order, whatever the program does with them.
class ReplayInput : public InputSource {
 public:
  explicit ReplayInput(std::vector<MonkeyEvent> events) : events_(std::move(events)) {}

  std::optional<MonkeyEvent> Next(const rt::Application&, bool) override {
    if (next_ == events_.size()) return std::nullopt;
    return events_[next_++];
  }

 private:
  std::vector<MonkeyEvent> events_;
  std::size_t next_ = 0;
};

}  // namespace quil::test
