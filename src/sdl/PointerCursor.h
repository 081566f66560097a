#pragma once

#include <SDL_mouse.h>

#include "runtime/Picture.h"

namespace quil::sdl {

// The mouse cursor: the front form's pointer picture over the main window, the
// system arrow elsewhere (over the message box). A fully transparent picture
// hides the cursor. The picture grows and shrinks with the screen it points at.
class PointerCursor {
 public:
  PointerCursor() = default;
  ~PointerCursor();
  PointerCursor(const PointerCursor&) = delete;
  PointerCursor& operator=(const PointerCursor&) = delete;

  // nullptr: the system arrow.
  void Set(const rt::PictureRef& picture);
  void OverForm(bool overForm);
  // The screen's scale: the picture is drawn afresh at it.
  void SetScale(double scale);

 private:
  void Make();
  void Apply();

  rt::PictureRef picture_;
  double scale_ = 1;
  SDL_Cursor* cursor_ = nullptr;
  bool hidden_ = false;
  bool overForm_ = true;
};

}  // namespace quil::sdl
