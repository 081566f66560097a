#include "shell/runtime/Control.h"

#include "shell/runtime/Application.h"
#include "shell/runtime/Form.h"
#include "shell/runtime/Frame.h"

namespace quil::rt {

Control::Control(Form& form, ControlKind kind, std::string name, Rect rect)
    : form_(form), kind_(kind), name_(std::move(name)), rect_(rect) {}

void Control::SetLeft(double left) {
  if (left == rect_.left) return;
  rect_.left = left;
  Changed();
}

void Control::SetTop(double top) {
  if (top == rect_.top) return;
  rect_.top = top;
  Changed();
}

void Control::SetWidth(double width) {
  if (width == rect_.width) return;
  rect_.width = width;
  Changed();
}

void Control::SetHeight(double height) {
  if (height == rect_.height) return;
  rect_.height = height;
  Changed();
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
  Changed();
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

void Control::Observed(Observer::Input input) const {
  if (Observer* observer = form_.App().Observing()) observer->BeforeInput(form_, this, input);
}

void Control::Changed() { form_.Invalidate(); }

}  // namespace quil::rt
