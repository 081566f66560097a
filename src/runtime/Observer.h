#pragma once

namespace quil::rt {

class Control;
class Form;
class Timer;

// Watches the runtime from outside, for diagnostics and tests: each input it
// hands to a form or control and each timer tick, just before the handler runs.
class Observer {
 public:
  enum class Input { Click, MouseMove, KeyUp };

  virtual ~Observer() = default;
  // `control` is nullptr when the form itself takes the input.
  virtual void BeforeInput(const Form& form, const Control* control, Input input) = 0;
  virtual void BeforeTick(const Timer& timer) = 0;
};

}  // namespace quil::rt
