#include "sdl/KeyMap.h"

#include <gtest/gtest.h>

namespace quil::test {
namespace {

SDL_Keysym Key(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
  SDL_Keysym key{};
  key.scancode = scancode;
  key.sym = sym;
  key.mod = mod;
  return key;
}

int Code(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
  return sdl::VirtualKeyCode(Key(scancode, sym, mod));
}

TEST(KeyMap, LettersAreCapitalsWhereTheLayoutPutsThem) {
  EXPECT_EQ(Code(SDL_SCANCODE_P, SDLK_p), 'P');
  EXPECT_EQ(Code(SDL_SCANCODE_M, SDLK_m, KMOD_LSHIFT), 'M');
  // French layout: the key in the Q place types A.
  EXPECT_EQ(Code(SDL_SCANCODE_Q, SDLK_a), 'A');
  // A layout without Latin letters falls back to the printed letter.
  EXPECT_EQ(Code(SDL_SCANCODE_A, 0x444), 'A');
}

TEST(KeyMap, MainDigitsGoByTheKeyWhateverShiftDoes) {
  EXPECT_EQ(Code(SDL_SCANCODE_1, SDLK_1), '1');
  EXPECT_EQ(Code(SDL_SCANCODE_2, SDLK_AT, KMOD_LSHIFT), '2');
  EXPECT_EQ(Code(SDL_SCANCODE_1, SDLK_AMPERSAND), '1');  // French layout, unshifted
  EXPECT_EQ(Code(SDL_SCANCODE_9, SDLK_9), '9');
  EXPECT_EQ(Code(SDL_SCANCODE_0, SDLK_0), '0');
}

TEST(KeyMap, KeypadDigitsWithNumLockNavigationWithout) {
  EXPECT_EQ(Code(SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NUM), 96);
  EXPECT_EQ(Code(SDL_SCANCODE_KP_1, SDLK_KP_1, KMOD_NUM), 97);
  EXPECT_EQ(Code(SDL_SCANCODE_KP_9, SDLK_KP_9, KMOD_NUM), 105);
  EXPECT_EQ(Code(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM), 110);
  EXPECT_EQ(Code(SDL_SCANCODE_KP_8, SDLK_KP_8), 38);
  EXPECT_EQ(Code(SDL_SCANCODE_KP_0, SDLK_KP_0), 45);
  EXPECT_EQ(Code(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), 13);
}

TEST(KeyMap, CommonKeysHaveTheirUsualCodes) {
  EXPECT_EQ(Code(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), 27);
  EXPECT_EQ(Code(SDL_SCANCODE_TAB, SDLK_TAB), 9);
  EXPECT_EQ(Code(SDL_SCANCODE_RETURN, SDLK_RETURN), 13);
  EXPECT_EQ(Code(SDL_SCANCODE_SPACE, SDLK_SPACE), 32);
  EXPECT_EQ(Code(SDL_SCANCODE_LEFT, SDLK_LEFT), 37);
  EXPECT_EQ(Code(SDL_SCANCODE_DOWN, SDLK_DOWN), 40);
  EXPECT_EQ(Code(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT), 16);
  EXPECT_EQ(Code(SDL_SCANCODE_F1, SDLK_F1), 112);
  EXPECT_EQ(Code(SDL_SCANCODE_F12, SDLK_F12), 123);
  EXPECT_EQ(Code(SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON), 186);
  EXPECT_EQ(Code(SDL_SCANCODE_MUTE, SDLK_MUTE), 0) << "no code: not delivered";
}

TEST(KeyMap, ShiftStateBits) {
  EXPECT_EQ(sdl::ShiftState(KMOD_NONE), 0);
  EXPECT_EQ(sdl::ShiftState(KMOD_RSHIFT), 1);
  EXPECT_EQ(sdl::ShiftState(KMOD_LCTRL), 2);
  EXPECT_EQ(sdl::ShiftState(KMOD_RALT), 4);
  EXPECT_EQ(sdl::ShiftState(KMOD_LSHIFT | KMOD_RCTRL | KMOD_LALT | KMOD_NUM | KMOD_CAPS), 7);
}

}  // namespace
}  // namespace quil::test
