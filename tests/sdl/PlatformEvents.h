#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "runtime/InputEvent.h"
#include "runtime/Platform.h"
#include "runtime/Time.h"

namespace quil::test {

// Every event the platform reports within `ms`.
inline std::vector<rt::InputEvent> CollectEvents(rt::Platform& platform, int ms) {
  std::vector<rt::InputEvent> events;
  const rt::Micros until = platform.Now() + rt::Milliseconds(ms);
  while (auto event = platform.WaitInput(until)) events.push_back(*event);
  return events;
}

// The first event within two seconds that matches; nothing when none does.
inline std::optional<rt::InputEvent> WaitForEvent(rt::Platform& platform,
                                                  const std::function<bool(const rt::InputEvent&)>& wanted) {
  const rt::Micros until = platform.Now() + rt::Milliseconds(2000);
  while (auto event = platform.WaitInput(until))
    if (wanted(*event)) return event;
  return std::nullopt;
}

}  // namespace quil::test
