#include "sdl/PadInput.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "paint/ScreenSize.h"
#include "runtime/Twips.h"

namespace quil::sdl {
namespace {

// The pointer glides in steps of a frame.
constexpr rt::Micros kStep = 16'000;

rt::InputEvent PointerInput(rt::InputEvent::Type type, double x, double y) {
  rt::InputEvent input{type};
  input.x = x;
  input.y = y;
  return input;
}

}  // namespace

void PadInput::Handle(const SDL_Event& event, const rt::Form* front, bool boxOpen, rt::Micros now,
                      std::deque<rt::InputEvent>& inputs) {
  const bool wasGliding = pads_.Gliding();
  const std::optional<PadPress> press = pads_.Handle(event, now);
  if (!wasGliding && pads_.Gliding()) nextStep_ = now;
  if (!press) return;
  using Kind = PadPress::Kind;
  if (boxOpen || heldByBox_) {
    const rt::InputEvent answer{rt::InputEvent::Type::MessageBoxDismissed};
    switch (press->kind) {
      // Like a key, A answers on its release, which must not reach the form behind the box.
      case Kind::Down:
        heldByBox_ = boxOpen;
        break;
      case Kind::Up:
        if (boxOpen && heldByBox_) inputs.push_back(answer);
        heldByBox_ = false;
        break;
      // B means only its press.
      case Kind::Shortcut:
        if (boxOpen && press->button == PadButton::B) inputs.push_back(answer);
        break;
    }
    return;
  }
  if (press->kind == Kind::Shortcut) {
    if (front) Click(*front, press->button, inputs);
    return;
  }
  const auto at = PointerOnScreen();
  if (!at && press->kind == Kind::Down) return;
  const PixelPoint point = at.value_or(PixelPoint{-1, -1});
  inputs.push_back(
      PointerInput(press->kind == Kind::Down ? rt::InputEvent::Type::PointerDown : rt::InputEvent::Type::PointerUp,
                   point.x, point.y));
}

void PadInput::Click(const rt::Form& front, PadButton button, std::deque<rt::InputEvent>& inputs) const {
  const rt::Control* target = shortcuts_ ? shortcuts_(front, button) : nullptr;
  if (!target || !target->Shown()) return;
  const rt::Rect box = target->FormBounds();
  // In the middle, as a pointer would: a caption lying over a button takes
  // the click as it takes a pointer's.
  const double x = box.left + box.width / 2;
  const double y = box.top + box.height / 2;
  inputs.push_back(PointerInput(rt::InputEvent::Type::PointerDown, rt::TwipsToPixels(x), rt::TwipsToPixels(y)));
  inputs.push_back(PointerInput(rt::InputEvent::Type::PointerUp, rt::TwipsToPixels(x), rt::TwipsToPixels(y)));
}

rt::Micros PadInput::NextStep() const { return pads_.Gliding() ? nextStep_ : rt::kForever; }

void PadInput::Step(rt::Micros now) {
  nextStep_ = now + kStep;
  const PointerGlide::Offset way = pads_.Glide().Step(now);
  SDL_Window* window = window_.Get();
  if (!window) return;
  if (!glideAt_) {
    // From where the pointer is, or from the middle when it is off the screen.
    const PixelPoint start = PointerOnScreen().value_or(PixelPoint{paint::kScreenWidth / 2, paint::kScreenHeight / 2});
    glideAt_ = Position{start.x + 0.5, start.y + 0.5};
  }
  glideAt_->x = std::clamp(glideAt_->x + way.x, 0.0, paint::kScreenWidth - 0.001);
  glideAt_->y = std::clamp(glideAt_->y + way.y, 0.0, paint::kScreenHeight - 0.001);
  const PixelPoint target = window_.Place().ToWindow(
      {static_cast<int>(std::floor(glideAt_->x)), static_cast<int>(std::floor(glideAt_->y))});
  if (warpedTo_ == target) return;
  warpedTo_ = target;
  SDL_WarpMouseInWindow(window, target.x, target.y);
}

void PadInput::MouseMoved(int x, int y) {
  if (warpedTo_ != PixelPoint{x, y}) glideAt_.reset();
}

std::optional<PixelPoint> PadInput::PointerOnScreen() const {
  if (glideAt_) return PixelPoint{static_cast<int>(std::floor(glideAt_->x)), static_cast<int>(std::floor(glideAt_->y))};
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  return window_.Place().ToScreen(x, y);
}

}  // namespace quil::sdl
