#pragma once

#include <string_view>

#include "runtime/Application.h"
#include "support/FakePlatform.h"

namespace quil::test {

// Drives the front form the way a user would: pointer moves, clicks and keys by
// control name or at a twip position, and the passing of virtual time.
class Driver {
 public:
  Driver(rt::Application& app, FakePlatform& platform) : app_(app), platform_(platform) {}

  void MoveTo(double xTwips, double yTwips);
  // Moves to the centre of the named control of the front form.
  void MoveOver(std::string_view control);
  void ClickAt(double xTwips, double yTwips);
  void Click(std::string_view control);
  void KeyDown(int keyCode, int shift = 0);
  void KeyUp(int keyCode, int shift = 0);
  void Advance(int milliseconds) { app_.RunFor(rt::Milliseconds(milliseconds)); }
  rt::Micros Now() { return platform_.Now(); }

 private:
  rt::InputEvent PointerEvent(rt::InputEvent::Type type, double xTwips, double yTwips) const;
  void CentreOf(std::string_view control, double& x, double& y) const;

  rt::Application& app_;
  FakePlatform& platform_;
};

}  // namespace quil::test
