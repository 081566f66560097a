#pragma once

#include <functional>
#include <string>

#include "runtime/Time.h"

namespace quil::rt {

class Form;

// A form's timer: while enabled it ticks every Interval, no faster than the
// timer resolution. Enabling restarts the countdown; each deadline follows from
// the one before, so ticks do not drift, and ticks missed by a late loop are
// dropped rather than fired in a burst.
class Timer {
 public:
  Timer(Form& form, std::string name, int intervalMs);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  Form& Owner() const { return form_; }
  int Interval() const { return intervalMs_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void OnTimer(std::function<void()> handler) { handler_ = std::move(handler); }

  // Scheduling, used by the event loop.
  Micros Deadline() const { return deadline_; }
  Micros Period() const;
  // Advances the deadline past `now` and runs the tick handler.
  void Fire(Micros now);

 private:
  Form& form_;
  std::string name_;
  int intervalMs_;
  bool enabled_ = false;
  Micros deadline_ = kForever;
  std::function<void()> handler_;
};

}  // namespace quil::rt
