#pragma once

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <map>
#include <optional>
#include <set>
#include <utility>

#include "runtime/Time.h"
#include "sdl/PointerGlide.h"

namespace quil::sdl {

// The buttons besides A, which a screen may give a meaning of its own
// (SdlPlatform::SetPadShortcuts).
enum class PadButton { B, X, Y, Back, Guide, Start, LeftShoulder, RightShoulder };

// What a controller's event asks for: A pressed or let go, as the pointer's
// button, or another button pressed.
struct PadPress {
  enum class Kind { Down, Up, Shortcut };
  Kind kind = Kind::Down;
  PadButton button = PadButton::B;  // a shortcut's
};

// Game controllers through SDL's game controller API: every one plugged in,
// at the start or later, until it is unplugged. The left stick and the D-pad
// glide the pointer; A is the pointer's button; the other buttons are shortcuts.
class Gamepads {
 public:
  Gamepads() = default;
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Starts SDL's game controllers; those plugged in already announce
  // themselves as added. Until then controllers are not seen.
  void Start();
  // Whether the event is a controller's.
  static bool Concerns(const SDL_Event& event);
  // Takes a controller's event: what it asks of the pointer, if anything.
  std::optional<PadPress> Handle(const SDL_Event& event, rt::Micros now);
  bool AnyOpen() const { return !open_.empty(); }
  // Stops the pointer and forgets the pushes so far.
  void Rest(rt::Micros now);
  // The buttons down and the sticks pushed now were pushed for someone
  // else: each counts again once it is let go.
  void HoldOverPressed();
  PointerGlide& Glide() { return glide_; }
  bool Gliding() const { return glide_.Moving(); }

 private:
  void Steer(SDL_JoystickID id, SDL_GameController* controller, rt::Micros now);
  // Whether the event belongs to a push held over, which it may end.
  bool HeldOver(const SDL_Event& event, SDL_GameController* controller);

  bool started_ = false;
  std::map<SDL_JoystickID, SDL_GameController*> open_;
  PointerGlide glide_;
  std::set<std::pair<SDL_JoystickID, int>> buttonsHeldOver_;
  std::set<SDL_JoystickID> sticksHeldOver_;
};

}  // namespace quil::sdl
