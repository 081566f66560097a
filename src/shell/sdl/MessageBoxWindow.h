#pragma once

#include <SDL_events.h>

#include "shell/runtime/MessageBox.h"
#include "shell/sdl/Canvas.h"
#include "shell/sdl/MessageBoxPainter.h"
#include "shell/sdl/SdlWindow.h"
#include "shell/sdl/TextPainter.h"

namespace quil::sdl {

// The modal message box: a small window of its own, centred on the screen,
// answered by its OK button, Enter, Space, Escape or closing it.
class MessageBoxWindow {
 public:
  // `owner` may be null: the box also works before the main window exists.
  MessageBoxWindow(paint::TextPainter& text, const rt::MessageBoxRequest& message, SDL_Window* owner);

  Uint32 Id() const { return window_.Id(); }
  void Raise();
  void Hide();
  // Takes an event of this window, or a key event of any (the box has the
  // keyboard while it is open). True once the box has been answered.
  bool Handle(const SDL_Event& event);

 private:
  bool HandleButton(const SDL_MouseButtonEvent& button);
  bool HandleKey(const SDL_KeyboardEvent& key);
  void Redraw();

  paint::MessageBoxPainter painter_;
  paint::Canvas canvas_;
  SdlWindow window_;
  bool pressed_ = false;
  SDL_Scancode armedKey_ = SDL_SCANCODE_UNKNOWN;
};

}  // namespace quil::sdl
