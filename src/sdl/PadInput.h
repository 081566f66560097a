#pragma once

#include <SDL_events.h>

#include <deque>
#include <functional>
#include <optional>

#include "runtime/Form.h"
#include "runtime/InputEvent.h"
#include "sdl/Gamepads.h"
#include "sdl/Letterbox.h"
#include "sdl/MainWindow.h"

namespace quil::sdl {

// The control a shortcut button clicks on the form in front; none for a
// button that means nothing there.
using PadShortcuts = std::function<const rt::Control*(const rt::Form& front, PadButton button)>;

// Game controllers as the forms see them: the stick and the D-pad glide the
// mouse pointer itself, so the pointer picture follows and the forms get
// ordinary pointer moves; A is the pointer's left button; a shortcut button
// clicks its control in the middle, the way a pointer would, so the
// control's own click handler and its guards decide. A hidden control takes
// no such click: a pointer would reach whatever lies behind it. While a message box is
// open, A or B answers it.
class PadInput {
 public:
  explicit PadInput(const MainWindow& window) : window_(window) {}

  void Start() { pads_.Start(); }
  bool AnyOpen() const { return pads_.AnyOpen(); }
  // The pointer stops where it is.
  void Rest(rt::Micros now) {
    pads_.Rest(now);
    nextStep_ = rt::kForever;
  }
  // What is pushed now counts only once it has been let go.
  void HoldOverPressed() { pads_.HoldOverPressed(); }
  void SetShortcuts(PadShortcuts shortcuts) { shortcuts_ = std::move(shortcuts); }
  // Takes a controller's event; appends the inputs it makes for the forms.
  void Handle(const SDL_Event& event, const rt::Form* front, bool boxOpen, rt::Micros now,
              std::deque<rt::InputEvent>& inputs);
  // When the pointer is to glide a step further; kForever while it rests.
  rt::Micros NextStep() const;
  // Glides the pointer a step.
  void Step(rt::Micros now);
  // The mouse moved to this window pixel: a move of its own, unless the
  // glide put it there, is where the next glide starts.
  void MouseMoved(int x, int y);

 private:
  struct Position {
    double x;
    double y;
  };

  std::optional<PixelPoint> PointerOnScreen() const;
  void Click(const rt::Form& front, PadButton button, std::deque<rt::InputEvent>& inputs) const;

  const MainWindow& window_;
  Gamepads pads_;
  PadShortcuts shortcuts_;
  std::optional<Position> glideAt_;  // screen pixels, kept finer than the window's
  std::optional<PixelPoint> warpedTo_;
  rt::Micros nextStep_ = rt::kForever;
  bool heldByBox_ = false;
};

}  // namespace quil::sdl
