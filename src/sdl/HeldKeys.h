#pragma once

#include <SDL_events.h>
#include <SDL_video.h>

#include <bitset>

struct _XDisplay;

namespace quil::sdl {

// Keys pressed before the window had the keyboard (in a game, say) and still
// held. X repeats a held key to whoever has the keyboard, and SDL takes the
// first repeat for a fresh press, as it knows only the keys pressed in its own
// windows. They are found in X's own keymap, and told by their X key codes,
// which SDL hands on in its raw events just before its own key events.
class HeldKeys {
 public:
  HeldKeys() = default;
  ~HeldKeys() { Forget(); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

  // Takes the keys down now on the desktop of `window`; SDL's raw events
  // flow until each has been let go.
  void Find(SDL_Window* window);
  // Takes SDL's raw X events (SDL_SYSWMEVENT).
  void Handle(const SDL_Event& event);
  // Whether SDL's key event that follows the raw events taken is a held key's.
  bool Claims();
  void Forget();

 private:
  _XDisplay* display_ = nullptr;
  std::bitset<256> held_;
  bool claimed_ = false;
};

}  // namespace quil::sdl
