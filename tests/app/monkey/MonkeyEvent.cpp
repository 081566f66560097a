#include "MonkeyEvent.h"

#include <sstream>

namespace quil::test {

rt::InputEvent MonkeyEvent::Input() const {
  using Type = rt::InputEvent::Type;
  rt::InputEvent input;
  switch (kind) {
    case Kind::Move: input.type = Type::PointerMove; break;
    case Kind::Press: input.type = Type::PointerDown; break;
    case Kind::Release: input.type = Type::PointerUp; break;
    case Kind::KeyDown: input.type = Type::KeyDown; break;
    case Kind::KeyUp: input.type = Type::KeyUp; break;
    case Kind::Answer:
    case Kind::TrackEnds: input.type = Type::MessageBoxDismissed; break;
  }
  input.x = x;
  input.y = y;
  input.button = button;
  input.keyCode = key;
  input.shift = shift;
  return input;
}

std::string Describe(const MonkeyEvent& event) {
  using Kind = MonkeyEvent::Kind;
  std::ostringstream text;
  text << '+' << event.delay / 1000.0 << "ms ";
  switch (event.kind) {
    case Kind::Move: text << "move " << event.x << ',' << event.y; break;
    case Kind::Press: text << "press " << event.x << ',' << event.y << " button " << event.button; break;
    case Kind::Release: text << "release " << event.x << ',' << event.y << " button " << event.button; break;
    case Kind::KeyDown: text << "key-down " << event.key << " shift " << event.shift; break;
    case Kind::KeyUp: text << "key-up " << event.key << " shift " << event.shift; break;
    case Kind::Answer: text << "answer the message box"; break;
    case Kind::TrackEnds: text << "the music track ends"; break;
  }
  return text.str();
}

std::string Describe(const std::vector<MonkeyEvent>& events) {
  std::string text;
  for (std::size_t i = 0; i < events.size(); ++i) text += "  " + std::to_string(i + 1) + ". " + Describe(events[i]) + "\n";
  return text;
}

}  // namespace quil::test
