#pragma once

#include <SDL_events.h>

#include <optional>

#include "runtime/MessageBox.h"
#include "paint/Canvas.h"
#include "paint/MessageBoxPainter.h"
#include "sdl/SdlWindow.h"
#include "paint/TextPainter.h"

namespace quil::sdl {

// The modal message box: a small window of its own, centred on the screen
// and shown at the screen's scale, answered by its OK button, Enter, Space,
// Escape or closing it.
//
// One window serves every box of the run: it is laid out afresh for each box
// and hidden in between, so a box costs no window of its own. SDL's wake-ups
// that reach a destroyed window are forgiven by LateWakeups, not avoided here.
class MessageBoxWindow {
 public:
  explicit MessageBoxWindow(paint::TextPainter& text);

  // Lays the window out for `message` at `scale`, centres it on `screen` (in
  // the desktop's pixels) and shows it on top of `owner`, which may be null:
  // the box also works before the main window exists.
  void Open(const rt::MessageBoxRequest& message, SDL_Window* owner, const paint::PixelRect& screen, double scale);
  // An open box follows the screen to another scale: drawn afresh at it and
  // centred again on the screen. Nothing while the scale stays.
  void Rescale(const paint::PixelRect& screen, double scale);
  void Hide();
  bool IsOpen() const { return open_; }

  Uint32 Id() const { return window_.Id(); }
  void Raise();
  // Takes an event of this window, or a key event of any (the box has the
  // keyboard while it is open). True once the box has been answered.
  bool Handle(const SDL_Event& event);

 private:
  bool HandleButton(const SDL_MouseButtonEvent& button);
  bool HandleKey(const SDL_KeyboardEvent& key);
  // Sizes the window to the box at its scale, centred on `screen`.
  void Fit(const paint::PixelRect& screen);
  void Redraw();

  paint::TextPainter& text_;
  SdlWindow window_;
  std::optional<paint::MessageBoxPainter> painter_;
  std::optional<paint::Canvas> canvas_;
  bool open_ = false;
  bool pressed_ = false;
  SDL_Scancode armedKey_ = SDL_SCANCODE_UNKNOWN;
};

}  // namespace quil::sdl
