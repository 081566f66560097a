#pragma once

#include <string>
#include <vector>

#include "runtime/InputEvent.h"
#include "runtime/Time.h"

namespace quil::test {

// One thing a person (or the machine) does to the program: pointer and key
// input in window pixels and virtual-key codes, an answer to the open message
// box, or the music track reaching its end. Each comes `delay` after the one
// before it.
struct MonkeyEvent {
  enum class Kind { Move, Press, Release, KeyDown, KeyUp, Answer, TrackEnds };

  Kind kind = Kind::Move;
  rt::Micros delay = 0;
  int x = 0;
  int y = 0;
  int button = 1;
  int key = 0;
  int shift = 0;

  // The input the platform hands to the runtime; TrackEnds has none.
  rt::InputEvent Input() const;
};

// "+16ms click-down 400,300 button 1", one event to a line.
std::string Describe(const MonkeyEvent& event);
std::string Describe(const std::vector<MonkeyEvent>& events);

}  // namespace quil::test
