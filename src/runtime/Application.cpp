#include "runtime/Application.h"

#include <algorithm>

namespace quil::rt {
namespace {

constexpr Micros kTooltipDelay = Milliseconds(500);

std::string_view InputName(InputEvent::Type type) {
  using Type = InputEvent::Type;
  switch (type) {
    case Type::PointerMove: return "PointerMove";
    case Type::PointerDown: return "PointerDown";
    case Type::PointerUp: return "PointerUp";
    case Type::KeyDown: return "KeyDown";
    case Type::KeyUp: return "KeyUp";
    case Type::MessageBoxDismissed: return "MessageBoxDismissed";
    case Type::CloseRequested: return "CloseRequested";
  }
  return "Unknown";
}

}  // namespace

struct Application::Registered {
  std::string name;
  FormFactory factory;
  std::unique_ptr<Form> instance;
};

// Counts the handlers on the stack: a form unloaded by its own handler is
// destroyed only once no handler of it can still be running.
class Application::HandlerScope {
 public:
  explicit HandlerScope(Application& app) : app_(app) { ++app_.handlerDepth_; }
  ~HandlerScope() { --app_.handlerDepth_; }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  Application& app_;
};

class Application::MessageBoxScope {
 public:
  MessageBoxScope(Application& app, const MessageBoxRequest& request) : app_(app) {
    app_.HideTooltip();
    app_.platform_.OpenMessageBox(request);
    app_.messageBoxOpen_ = true;
  }
  ~MessageBoxScope() {
    app_.messageBoxOpen_ = false;
    app_.platform_.CloseMessageBox();
  }
  MessageBoxScope(const MessageBoxScope&) = delete;
  MessageBoxScope& operator=(const MessageBoxScope&) = delete;

 private:
  Application& app_;
};

Application::Application(Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::RegisterForm(std::string name, FormFactory factory) {
  registry_.push_back(std::make_unique<Registered>(Registered{std::move(name), std::move(factory), nullptr}));
}

Form& Application::FormNamed(std::string_view name) {
  for (auto& entry : registry_) {
    if (entry->name != name) continue;
    if (!entry->instance) entry->instance = entry->factory(*this);
    return *entry->instance;
  }
  throw std::out_of_range("no such form: " + std::string(name));
}

Form* Application::Instance(std::string_view name) const {
  for (const auto& entry : registry_)
    if (entry->name == name && entry->instance) return entry->instance.get();
  return nullptr;
}

std::vector<std::string> Application::FormNames() const {
  std::vector<std::string> names;
  for (const auto& entry : registry_) names.push_back(entry->name);
  return names;
}

Form& Application::Show(Form& form) {
  // A form unloaded earlier in the running handler is only waiting to be
  // destroyed: showing it means showing its name again, created afresh.
  const bool unloaded = std::any_of(discarded_.begin(), discarded_.end(),
                                    [&](const auto& discarded) { return discarded.get() == &form; });
  Form& shown = unloaded ? FormNamed(form.Name()) : form;
  if (!shown.Loaded()) Trace(TraceKind::Handler, shown.Name(), "Form", "Load");
  shown.Load();
  // The hover belongs to the form in front: a new one takes it over only when
  // the pointer next moves, and no tooltip of the old one is left to show.
  if (Front() != &shown) DropHover();
  std::erase(shown_, &shown);
  shown_.insert(shown_.begin(), &shown);
  shown.Invalidate();
  return shown;
}

void Application::Unload(Form& form) {
  std::erase(shown_, &form);
  Forget(form);
  for (auto& entry : registry_) {
    if (entry->instance.get() == &form) discarded_.push_back(std::move(entry->instance));
  }
}

Form* Application::Front() const { return shown_.empty() ? nullptr : shown_.front(); }

void Application::Forget(const Form& form) {
  const auto ownedByForm = [&](const Control* control) { return control && &control->Owner() == &form; };
  if (ownedByForm(pressed_)) pressed_ = nullptr;
  if (ownedByForm(hovered_)) DropHover();
  if (paintedFront_ == &form) paintedFront_ = nullptr;
}

void Application::CollectDiscarded() {
  if (handlerDepth_ == 0) discarded_.clear();
}

template <class Body>
void Application::Entry(Body&& body) {
  if (ended_) return;
  ++entryDepth_;
  try {
    body();
    Paint();
  } catch (const ProgramEnded&) {
    --entryDepth_;
    if (entryDepth_ > 0) throw;
    return;
  }
  --entryDepth_;
  CollectDiscarded();
}

void Application::Start(std::string_view startupForm) {
  Entry([&] { Show(FormNamed(startupForm)); });
}

int Application::Run() {
  Entry([&] {
    while (!ended_ && !shown_.empty()) Step(kForever);
  });
  return 0;
}

void Application::RunFor(Micros duration) {
  Entry([&] {
    const Micros until = Now() + duration;
    while (!ended_ && Now() < until) Step(until);
  });
}

void Application::Post(const InputEvent& event) {
  Entry([&] {
    Dispatch(event);
    FireDueTimers();
  });
}

void Application::End() {
  ended_ = true;
  throw ProgramEnded{};
}

void Application::MsgBox(const std::string& prompt, MessageBoxStyle style, const std::string& title) {
  MessageBoxScope scope(*this, MessageBoxRequest{prompt, style, title});
  while (messageBoxOpen_) Step(kForever);
}

void Application::Step(Micros limit) {
  Paint();
  if (auto event = platform_.WaitInput(std::min(NextWakeup(), limit))) Dispatch(*event);
  FireDueTimers();
  UpdateTooltip();
  CollectDiscarded();
}

void Application::Dispatch(const InputEvent& event) {
  using Type = InputEvent::Type;
  Trace(TraceKind::Input, InputName(event.type));
  switch (event.type) {
    case Type::CloseRequested:
      End();
    case Type::MessageBoxDismissed:
      messageBoxOpen_ = false;
      return;
    default:
      break;
  }
  Form* form = Front();
  if (messageBoxOpen_ || !form) return;
  HandlerScope scope(*this);
  switch (event.type) {
    case Type::PointerMove:
      PointerMoved(*form, event);
      break;
    case Type::PointerDown:
      PointerPressed(*form, event);
      break;
    case Type::PointerUp:
      PointerReleased(*form, event);
      break;
    case Type::KeyDown:
      HideTooltip();
      if (event.keyCode == kKeyTab) form->FocusNext((event.shift & kShiftMask) != 0);
      break;
    case Type::KeyUp:
      KeyReleased(*form, event);
      break;
    default:
      break;
  }
}

void Application::PointerMoved(Form& form, const InputEvent& event) {
  pointerX_ = PixelsToTwips(event.x);
  pointerY_ = PixelsToTwips(event.y);
  Control* target = form.HitTest(pointerX_, pointerY_);
  if (target != hovered_) {
    HideTooltip();
    hovered_ = target;
    tooltipSpent_ = false;
  }
  // The tooltip waits for the pointer to rest, so each move restarts the wait.
  if (hovered_ && !tooltip_.visible && !tooltipSpent_ && !hovered_->ToolTip().empty())
    tooltipDue_ = Now() + kTooltipDelay;
  if (target) {
    Trace(TraceKind::Handler, form.Name(), target->Name(), "MouseMove");
    target->MouseMove();
  } else {
    Trace(TraceKind::Handler, form.Name(), "Form", "MouseMove");
    form.MouseMove();
  }
}

void Application::PointerPressed(Form& form, const InputEvent& event) {
  HideTooltip();
  tooltipSpent_ = true;
  if (event.button != 1) return;
  Control* target = form.HitTest(PixelsToTwips(event.x), PixelsToTwips(event.y));
  pressed_ = target;
  pressedOnForm_ = target == nullptr;
  if (target && target->Kind() == ControlKind::PictureBox) form.FocusOn(static_cast<PictureBox*>(target));
}

void Application::PointerReleased(Form& form, const InputEvent& event) {
  if (event.button != 1) return;
  const Control* target = form.HitTest(PixelsToTwips(event.x), PixelsToTwips(event.y));
  const bool clickOnForm = pressedOnForm_ && target == nullptr;
  const bool clickOnControl = target && target == pressed_;
  pressed_ = nullptr;
  pressedOnForm_ = false;
  if (clickOnControl) {
    Trace(TraceKind::Handler, form.Name(), target->Name(), "Click");
    target->Click();
  } else if (clickOnForm) {
    Trace(TraceKind::Handler, form.Name(), "Form", "Click");
    form.Click();
  }
}

void Application::KeyReleased(Form& form, const InputEvent& event) {
  HideTooltip();
  if (event.keyCode == kKeyTab) return;
  if (const PictureBox* focused = form.Focused()) {
    Trace(TraceKind::Handler, form.Name(), focused->Name(), "KeyUp");
    focused->KeyUp(event.keyCode, event.shift);
  } else {
    Trace(TraceKind::Handler, form.Name(), "Form", "KeyUp");
    form.KeyUp(event.keyCode, event.shift);
  }
}

Timer* Application::NextTimer() const {
  Timer* next = nullptr;
  for (const auto& entry : registry_) {
    if (!entry->instance) continue;
    for (const auto& timer : entry->instance->Timers())
      if (timer->Enabled() && (!next || timer->Deadline() < next->Deadline())) next = timer.get();
  }
  return next;
}

void Application::FireDueTimers() {
  while (!ended_) {
    Timer* timer = NextTimer();
    const Micros now = Now();
    if (!timer || timer->Deadline() > now) return;
    HandlerScope scope(*this);
    Trace(TraceKind::Tick, timer->Owner().Name(), timer->Name());
    if (observer_) observer_->BeforeTick(*timer);
    timer->Fire(now);
  }
}

Micros Application::NextWakeup() const {
  const Timer* timer = NextTimer();
  return std::min(timer ? timer->Deadline() : kForever, tooltipDue_);
}

void Application::UpdateTooltip() {
  if (tooltip_.visible && (!hovered_ || !hovered_->Shown())) HideTooltip();
  if (!hovered_ || tooltipDue_ > Now()) return;
  tooltipDue_ = kForever;
  tooltip_ = Tooltip{true, hovered_->ToolTip(), pointerX_, pointerY_};
  tooltipChanged_ = true;
}

void Application::DropHover() {
  hovered_ = nullptr;
  HideTooltip();
}

void Application::HideTooltip() {
  tooltipDue_ = kForever;
  if (!tooltip_.visible) return;
  tooltip_.visible = false;
  tooltipChanged_ = true;
}

void Application::Paint() {
  Form* front = Front();
  if (!front) return;
  if (front->MouseIcon() != pointerShown_) {
    pointerShown_ = front->MouseIcon();
    platform_.SetPointer(pointerShown_);
  }
  // A form that comes to the front is painted whole.
  if (front != paintedFront_) front->Invalidate();
  if (!front->Dirty() && !tooltipChanged_) return;
  front->CollectDamage();
  Trace(TraceKind::Paint, front->Name());
  platform_.Present(*front, tooltip_);
  front->Painted();
  tooltipChanged_ = false;
  paintedFront_ = front;
}

}  // namespace quil::rt
