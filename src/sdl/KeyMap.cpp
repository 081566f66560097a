#include "sdl/KeyMap.h"

#include "runtime/InputEvent.h"

namespace quil::sdl {
namespace {

int ByScancode(SDL_Scancode scancode, bool numLock) {
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return 112 + (scancode - SDL_SCANCODE_F1);
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9 && numLock)
    return 97 + (scancode - SDL_SCANCODE_KP_1);
  switch (scancode) {
    case SDL_SCANCODE_0: return '0';
    // Without Num Lock the keypad is the navigation block it is printed as.
    case SDL_SCANCODE_KP_0: return numLock ? 96 : 45;
    case SDL_SCANCODE_KP_1: return 35;
    case SDL_SCANCODE_KP_2: return 40;
    case SDL_SCANCODE_KP_3: return 34;
    case SDL_SCANCODE_KP_4: return 37;
    case SDL_SCANCODE_KP_5: return 12;
    case SDL_SCANCODE_KP_6: return 39;
    case SDL_SCANCODE_KP_7: return 36;
    case SDL_SCANCODE_KP_8: return 38;
    case SDL_SCANCODE_KP_9: return 33;
    case SDL_SCANCODE_KP_PERIOD: return numLock ? 110 : 46;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
  }
}

int ByKeycode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  switch (key) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return rt::kKeyTab;
    case SDLK_RETURN: return 13;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return rt::kKeyEscape;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    default: return 0;
  }
}

}  // namespace

int VirtualKeyCode(const SDL_Keysym& key) {
  if (int code = ByScancode(key.scancode, (key.mod & KMOD_NUM) != 0)) return code;
  if (int code = ByKeycode(key.sym)) return code;
  // A layout without Latin letters still has the letter keys where they are printed.
  if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z && (key.sym & ~0x7F) != 0)
    return 'A' + (key.scancode - SDL_SCANCODE_A);
  return 0;
}

int ShiftState(Uint16 modifiers) {
  int shift = 0;
  if (modifiers & KMOD_SHIFT) shift |= rt::kShiftMask;
  if (modifiers & KMOD_CTRL) shift |= rt::kCtrlMask;
  if (modifiers & KMOD_ALT) shift |= rt::kAltMask;
  return shift;
}

}  // namespace quil::sdl
