#include "runtime/Trace.h"

namespace quil::rt {

std::string_view TraceKindName(TraceKind kind) {
  switch (kind) {
    case TraceKind::Start: return "start";
    case TraceKind::Input: return "input";
    case TraceKind::Handler: return "handler";
    case TraceKind::TimerOn: return "timer-on";
    case TraceKind::TimerOff: return "timer-off";
    case TraceKind::Tick: return "tick";
    case TraceKind::Paint: return "paint";
    case TraceKind::Present: return "present";
    case TraceKind::Effect: return "effect";
    case TraceKind::EffectHeard: return "effect-heard";
  }
  return "unknown";
}

}  // namespace quil::rt
