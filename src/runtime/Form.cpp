#include "runtime/Form.h"

#include <algorithm>
#include <optional>

#include "runtime/Application.h"
#include "runtime/Frame.h"

namespace quil::rt {

namespace {

// Rounding to whole pixels may move each edge of a control by a pixel; an
// area counts as unchanged only this far inside the edges.
constexpr double kRoundingMargin = 2 * kTwipsPerPixel;

Rect Inset(const Rect& rect, double by) {
  return {rect.left + by, rect.top + by, rect.width - 2 * by, rect.height - 2 * by};
}

}  // namespace

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) { damage_.AddEverything(); }

void Form::CollectDamage() {
  const auto shownExtent = [](const Control& control) {
    return control.Shown() ? std::optional<Rect>(control.PaintExtent()) : std::nullopt;
  };
  if (damage_.Everything()) {
    for (const auto& control : controls_) {
      paintedExtents_[control->Index()] = shownExtent(*control);
      control->ClearPending();
    }
    pending_.clear();
    return;
  }
  for (Control* control : pending_) {
    const std::optional<Rect> before = paintedExtents_[control->Index()];
    const std::optional<Rect> after = shownExtent(*control);
    if (before && after && control->FlatColour() && !control->Restyled()) {
      // Where the flat control lay both before and after, nothing changes.
      const Rect unchanged = Inset(Intersection(*before, *after), kRoundingMargin);
      for (const Rect& piece : Subtract(*before, unchanged)) damage_.Add(piece);
      for (const Rect& piece : Subtract(*after, unchanged)) damage_.Add(piece);
    } else {
      if (before) damage_.Add(*before);
      if (after) damage_.Add(*after);
    }
    paintedExtents_[control->Index()] = after;
    control->ClearPending();
  }
  pending_.clear();
}

void Form::Register(std::unique_ptr<Control> control) {
  byName_[control->Name()] = control.get();
  control->SetIndex(controls_.size());
  controls_.push_back(std::move(control));
  paintedExtents_.emplace_back();
}

Timer& Form::AddTimer(std::string name, int intervalMs) {
  timers_.push_back(std::make_unique<Timer>(*this, std::move(name), intervalMs));
  return *timers_.back();
}

Control* Form::Find(std::string_view name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Timer& Form::TimerNamed(std::string_view name) const {
  for (const auto& timer : timers_)
    if (timer->Name() == name) return *timer;
  throw std::out_of_range("no such timer: " + std::string(name));
}

void Form::SetBackColor(Colour colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  Invalidate();
}

void Form::SetMouseIcon(PictureRef icon) {
  mouseIcon_ = std::move(icon);
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (load_) load_();
}

void Form::Click() const {
  Observed(Observer::Input::Click);
  if (click_) click_();
}

void Form::MouseMove() const {
  Observed(Observer::Input::MouseMove);
  if (mouseMove_) mouseMove_();
}

void Form::KeyUp(int keyCode, int shift) const {
  Observed(Observer::Input::KeyUp);
  if (keyUp_) keyUp_(keyCode, shift);
}

void Form::Observed(Observer::Input input) const {
  if (Observer* observer = app_.Observing()) observer->BeforeInput(*this, nullptr, input);
}

Form& Form::Show() { return app_.Show(*this); }

void Form::Unload() { app_.Unload(*this); }

Control* Form::HitTest(double x, double y) const {
  // Windowed controls stand above the lightweight ones; within each layer the
  // design order decides, and a frame's own controls lie on top of the frame.
  for (const bool windowed : {true, false}) {
    for (const auto& control : controls_) {
      if (control->IsWindowed() != windowed || control->Container() || !control->Shown()) continue;
      if (!control->FormBounds().Contains(x, y)) continue;
      if (control->Kind() == ControlKind::Frame) {
        for (const auto& child : controls_) {
          if (child->Container() == control.get() && child->Shown() && child->TakesPointer() &&
              child->FormBounds().Contains(x, y))
            return child.get();
        }
        return control.get();
      }
      if (control->TakesPointer()) return control.get();
    }
  }
  return nullptr;
}

std::vector<PictureBox*> Form::TabOrder() const {
  std::vector<PictureBox*> boxes;
  for (const auto& control : controls_)
    if (auto* box = dynamic_cast<PictureBox*>(control.get())) boxes.push_back(box);
  std::stable_sort(boxes.begin(), boxes.end(),
                   [](const PictureBox* a, const PictureBox* b) { return a->TabIndex() < b->TabIndex(); });
  return boxes;
}

void Form::FocusOn(PictureBox* box) {
  if (box && !box->Shown()) return;
  focused_ = box;
}

void Form::FocusNext(bool backwards) {
  auto order = TabOrder();
  if (order.empty()) return;
  if (backwards) std::reverse(order.begin(), order.end());
  const auto current = std::find(order.begin(), order.end(), focused_);
  const std::size_t start = current == order.end() ? order.size() - 1 : static_cast<std::size_t>(current - order.begin());
  for (std::size_t step = 1; step <= order.size(); ++step) {
    PictureBox* candidate = order[(start + step) % order.size()];
    if (candidate->Shown()) {
      focused_ = candidate;
      return;
    }
  }
}

void Form::ControlHidden(Control& control) {
  if (!focused_) return;
  const bool lostFocus = &control == focused_ || (control.Kind() == ControlKind::Frame && focused_->Container() == &control);
  if (!lostFocus) return;
  FocusNext(false);
  if (focused_ && !focused_->Shown()) focused_ = nullptr;
}

}  // namespace quil::rt
