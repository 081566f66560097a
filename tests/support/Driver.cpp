#include "support/Driver.h"

#include <stdexcept>
#include <string>

namespace quil::test {

rt::InputEvent Driver::PointerEvent(rt::InputEvent::Type type, double xTwips, double yTwips) const {
  return rt::InputEvent{.type = type, .x = rt::TwipsToPixels(xTwips), .y = rt::TwipsToPixels(yTwips)};
}

void Driver::CentreOf(std::string_view control, double& x, double& y) const {
  const rt::Form* front = app_.Front();
  const rt::Control* target = front ? front->Find(control) : nullptr;
  if (!target) throw std::out_of_range("no control on the front form: " + std::string(control));
  const rt::Rect bounds = target->FormBounds();
  x = bounds.left + bounds.width / 2;
  y = bounds.top + bounds.height / 2;
}

void Driver::MoveTo(double xTwips, double yTwips) {
  app_.Post(PointerEvent(rt::InputEvent::Type::PointerMove, xTwips, yTwips));
}

void Driver::MoveOver(std::string_view control) {
  double x = 0, y = 0;
  CentreOf(control, x, y);
  MoveTo(x, y);
}

void Driver::ClickAt(double xTwips, double yTwips) {
  MoveTo(xTwips, yTwips);
  app_.Post(PointerEvent(rt::InputEvent::Type::PointerDown, xTwips, yTwips));
  app_.Post(PointerEvent(rt::InputEvent::Type::PointerUp, xTwips, yTwips));
}

void Driver::Click(std::string_view control) {
  double x = 0, y = 0;
  CentreOf(control, x, y);
  ClickAt(x, y);
}

void Driver::KeyDown(int keyCode, int shift) {
  app_.Post(rt::InputEvent{.type = rt::InputEvent::Type::KeyDown, .keyCode = keyCode, .shift = shift});
}

void Driver::KeyUp(int keyCode, int shift) {
  app_.Post(rt::InputEvent{.type = rt::InputEvent::Type::KeyUp, .keyCode = keyCode, .shift = shift});
}

}  // namespace quil::test
