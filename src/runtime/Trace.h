#pragma once

#include <string_view>

namespace quil::rt {

// What happened, for a trace of the running program.
enum class TraceKind {
  Start,       // the program began
  Input,       // the platform delivered an input event
  Handler,     // an event was raised on a form or control
  TimerOn,     // a timer was enabled
  TimerOff,    // a timer was disabled
  Tick,        // a timer ticked
  Paint,       // the runtime handed the front form to the platform to paint
  Present,     // the platform pushed a frame's changed pixels to the screen (0 when none were on it)
  Effect,      // a sound effect was started
  EffectHeard, // the first samples of that effect left the mixer
};

std::string_view TraceKindName(TraceKind kind);

// Where a trace goes. Only the running program has one: without it (the
// default) the runtime records nothing and pays one pointer test per event.
// Record may be called from any thread.
class TraceSink {
 public:
  virtual ~TraceSink() = default;
  // `owner` and `item` name what happened to, such as the form and the timer;
  // `event` the event raised on it, if any ("Click").
  virtual void Record(TraceKind kind, std::string_view owner, std::string_view item = {},
                      std::string_view event = {}) = 0;
};

}  // namespace quil::rt
