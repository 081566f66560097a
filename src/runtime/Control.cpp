#include "runtime/Control.h"

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"

namespace quil::rt {

Control::Control(Form& form, ControlKind kind, std::string name, Rect rect)
    : form_(form), kind_(kind), name_(std::move(name)), rect_(rect) {}

void Control::SetLeft(double left) {
  if (left == rect_.left) return;
  rect_.left = left;
  Moved();
}

void Control::SetTop(double top) {
  if (top == rect_.top) return;
  rect_.top = top;
  Moved();
}

void Control::SetWidth(double width) {
  if (width == rect_.width) return;
  rect_.width = width;
  Moved();
}

void Control::SetHeight(double height) {
  if (height == rect_.height) return;
  rect_.height = height;
  Moved();
}

Rect Control::FormBounds() const {
  Rect bounds = rect_;
  if (container_) {
    const Rect outer = container_->FormBounds();
    bounds.left += outer.left;
    bounds.top += outer.top;
  }
  return bounds;
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Moved();
  if (!visible) form_.ControlHidden(*this);
}

bool Control::Shown() const { return visible_ && (!container_ || container_->Shown()); }

void Control::Click() const {
  Observed(Observer::Input::Click);
  if (click_) click_();
}

void Control::MouseMove() const {
  Observed(Observer::Input::MouseMove);
  if (mouseMove_) mouseMove_();
}

void Control::KeyUp(int keyCode, int shift) const {
  Observed(Observer::Input::KeyUp);
  if (keyUp_) keyUp_(keyCode, shift);
}

void Control::Changed() { MarkPending(true); }

void Control::Moved() { MarkPending(false); }

void Control::MarkPending(bool restyled) {
  restyled_ = restyled_ || restyled;
  if (pending_) return;
  pending_ = true;
  form_.ControlChanged(*this);
}

void Control::Observed(Observer::Input input) const {
  if (Observer* observer = form_.App().Observing()) observer->BeforeInput(form_, this, input);
}

}  // namespace quil::rt
