#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Form.h"
#include "runtime/MessageBox.h"
#include "runtime/Observer.h"
#include "runtime/Platform.h"
#include "runtime/Tooltip.h"
#include "runtime/Trace.h"

namespace quil::rt {

// The form runtime: it owns the forms, runs the one event loop in which every
// input event and timer tick runs to completion one at a time, and offers the
// services handlers need (message box, end, application folder, screen, date).
class Application {
 public:
  using FormFactory = std::function<std::unique_ptr<Form>(Application&)>;

  explicit Application(Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Forms are created in their design state on first reference and discarded by Unload.
  void RegisterForm(std::string name, FormFactory factory);
  Form& FormNamed(std::string_view name);
  template <class F>
  F& Get(std::string_view name) {
    return dynamic_cast<F&>(FormNamed(name));
  }
  bool IsCreated(std::string_view name) const { return Instance(name) != nullptr; }
  // The live instance of a form, nullptr while it is not created.
  Form* Instance(std::string_view name) const;
  // The names of every registered form, in the order of registration.
  std::vector<std::string> FormNames() const;
  // Loads the form if need be and brings it to the front. A form already
  // unloaded comes back as a new instance from its design; the form shown is returned.
  Form& Show(Form& form);
  void Unload(Form& form);
  // The shown form that covers the screen and takes the input, if any.
  Form* Front() const;
  // Every shown form, the front one first.
  const std::vector<Form*>& ShownForms() const { return shown_; }

  // Entry points of the program and of tests. Each returns once the program has
  // ended (Start, Run) or the given input or time has been processed.
  void Start(std::string_view startupForm);
  int Run();
  void RunFor(Micros duration);
  void Post(const InputEvent& event);

  // Stops the program at once: the running handler goes no further, and no
  // event or tick follows.
  [[noreturn]] void End();
  bool Ended() const { return ended_; }

  // Modal: returns once the box is dismissed. Timers keep ticking and the forms
  // keep painting meanwhile, but no form takes pointer or key input.
  void MsgBox(const std::string& prompt, MessageBoxStyle style, const std::string& title);
  bool MessageBoxOpen() const { return messageBoxOpen_; }

  std::string Path() { return platform_.AppPath(); }
  ScreenMetrics Screen() { return platform_.Screen(); }
  CalendarDate Today() { return platform_.Today(); }
  Micros Now() { return platform_.Now(); }
  const Tooltip& CurrentTooltip() const { return tooltip_; }

  // Records every input, handler, tick and paint in `sink` from now on; nullptr stops.
  void SetTrace(TraceSink* sink) { trace_ = sink; }
  TraceSink* Tracer() const { return trace_; }
  // One observer at a time; nullptr stops observing.
  void Observe(Observer* observer) { observer_ = observer; }
  Observer* Observing() const { return observer_; }

 private:
  struct Registered;
  struct ProgramEnded {};
  class HandlerScope;
  class MessageBoxScope;

  template <class Body>
  void Entry(Body&& body);
  void Step(Micros limit);
  void Dispatch(const InputEvent& event);
  void PointerMoved(Form& form, const InputEvent& event);
  void PointerPressed(Form& form, const InputEvent& event);
  void PointerReleased(Form& form, const InputEvent& event);
  void KeyReleased(Form& form, const InputEvent& event);
  void FireDueTimers();
  Timer* NextTimer() const;
  Micros NextWakeup() const;
  void UpdateTooltip();
  void HideTooltip();
  void DropHover();
  void Paint();
  void Trace(TraceKind kind, std::string_view owner, std::string_view item = {}, std::string_view event = {}) const {
    if (trace_) trace_->Record(kind, owner, item, event);
  }
  void Forget(const Form& form);
  void CollectDiscarded();

  Platform& platform_;
  std::vector<std::unique_ptr<Registered>> registry_;
  std::vector<Form*> shown_;  // front first
  std::vector<std::unique_ptr<Form>> discarded_;
  int entryDepth_ = 0;
  int handlerDepth_ = 0;
  bool ended_ = false;
  bool messageBoxOpen_ = false;

  const Control* pressed_ = nullptr;
  bool pressedOnForm_ = false;
  const Control* hovered_ = nullptr;
  bool tooltipSpent_ = false;
  double pointerX_ = 0;
  double pointerY_ = 0;
  Tooltip tooltip_;
  Micros tooltipDue_ = kForever;
  bool tooltipChanged_ = false;
  const Form* paintedFront_ = nullptr;
  PictureRef pointerShown_;
  TraceSink* trace_ = nullptr;
  Observer* observer_ = nullptr;
};

}  // namespace quil::rt
