#pragma once

#include <SDL_keyboard.h>

namespace quil::sdl {

// The desktop's virtual-key code of a key, or 0 for a key that has none.
// Letters follow the keyboard layout; the main-keyboard digits and the
// punctuation keys go by their place on the keyboard, whatever Shift does.
int VirtualKeyCode(const SDL_Keysym& key);

// The shift state of key events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Uint16 modifiers);

}  // namespace quil::sdl
