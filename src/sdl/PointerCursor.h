#pragma once

#include <SDL_mouse.h>

#include "runtime/Picture.h"

namespace quil::sdl {

// The mouse cursor: the front form's pointer picture over the main window, the
// system arrow elsewhere (over the message box). A fully transparent picture
// hides the cursor.
class PointerCursor {
 public:
  PointerCursor() = default;
  ~PointerCursor();
  PointerCursor(const PointerCursor&) = delete;
  PointerCursor& operator=(const PointerCursor&) = delete;

  // nullptr: the system arrow.
  void Set(const rt::PictureRef& picture);
  void OverForm(bool overForm);

 private:
  void Apply();

  rt::PictureRef picture_;
  SDL_Cursor* cursor_ = nullptr;
  bool hidden_ = false;
  bool overForm_ = true;
};

}  // namespace quil::sdl
