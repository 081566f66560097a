#include "sdl/MessageBoxWindow.h"

#include <SDL.h>

namespace quil::sdl {
namespace {

bool AnswersBox(SDL_Keycode key) {
  return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE || key == SDLK_ESCAPE;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(paint::TextPainter& text)
    : text_(text), window_("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_BORDERLESS) {}

void MessageBoxWindow::Open(const rt::MessageBoxRequest& message, SDL_Window* owner, const paint::PixelRect& screen,
                            double scale) {
  painter_.emplace(text_, message, scale);
  pressed_ = false;
  armedKey_ = SDL_SCANCODE_UNKNOWN;
  SDL_Window* window = window_.Get();
  SDL_SetWindowTitle(window, message.title.c_str());
  Fit(screen);
  if (owner) SDL_SetWindowModalFor(window, owner);
  SDL_ShowWindow(window);
  open_ = true;
  Redraw();
  Raise();
}

void MessageBoxWindow::Rescale(const paint::PixelRect& screen, double scale) {
  if (!open_ || scale == painter_->Scale()) return;
  painter_->SetScale(scale);
  Fit(screen);
  Redraw();
}

void MessageBoxWindow::Fit(const paint::PixelRect& screen) {
  const int width = painter_->DeviceWidth();
  const int height = painter_->DeviceHeight();
  canvas_.emplace(width, height);
  SDL_SetWindowSize(window_.Get(), width, height);
  SDL_SetWindowPosition(window_.Get(), screen.x + (screen.width - width) / 2, screen.y + (screen.height - height) / 2);
}

void MessageBoxWindow::Raise() {
  SDL_RaiseWindow(window_.Get());
  // Without a window manager nothing else would move the keyboard here.
  SDL_SetWindowInputFocus(window_.Get());
}

void MessageBoxWindow::Hide() {
  SDL_HideWindow(window_.Get());
  open_ = false;
}

bool MessageBoxWindow::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) return true;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) window_.Show(*canvas_);
      return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      return HandleButton(event.button);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return HandleKey(event.key);
    default:
      return false;
  }
}

// Like a push button: it goes down under the pointer and answers when the
// button is let go over it.
bool MessageBoxWindow::HandleButton(const SDL_MouseButtonEvent& button) {
  if (button.button != SDL_BUTTON_LEFT) return false;
  const bool overOk = painter_->OnOkButton(button.x, button.y);
  const bool wasPressed = pressed_;
  pressed_ = button.type == SDL_MOUSEBUTTONDOWN && overOk;
  if (pressed_ != wasPressed) Redraw();
  return button.type == SDL_MOUSEBUTTONUP && wasPressed && overOk;
}

// The box answers when the key goes up, so that the release does not reach
// the form behind it (an Escape there would end the program).
bool MessageBoxWindow::HandleKey(const SDL_KeyboardEvent& key) {
  if (!AnswersBox(key.keysym.sym)) return false;
  if (key.type == SDL_KEYDOWN) {
    armedKey_ = key.keysym.scancode;
    return false;
  }
  return key.keysym.scancode == armedKey_;
}

void MessageBoxWindow::Redraw() {
  painter_->Paint(canvas_->Context(), pressed_);
  window_.Show(*canvas_);
}

}  // namespace quil::sdl
