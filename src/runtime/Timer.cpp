#include "runtime/Timer.h"

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Form.h"

namespace quil::rt {

Timer::Timer(Form& form, std::string name, int intervalMs) : form_(form), name_(std::move(name)), intervalMs_(intervalMs) {}

Micros Timer::Period() const { return std::max(Milliseconds(intervalMs_), kTimerResolution); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  deadline_ = enabled ? form_.App().Now() + Period() : kForever;
  if (TraceSink* trace = form_.App().Tracer())
    trace->Record(enabled ? TraceKind::TimerOn : TraceKind::TimerOff, form_.Name(), name_);
}

void Timer::Fire(Micros now) {
  const Micros period = Period();
  deadline_ += period;
  if (deadline_ <= now) deadline_ += ((now - deadline_) / period + 1) * period;
  if (handler_) handler_();
}

}  // namespace quil::rt
