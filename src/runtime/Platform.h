#pragma once

#include <optional>
#include <string>

#include "runtime/InputEvent.h"
#include "runtime/MessageBox.h"
#include "runtime/Picture.h"
#include "runtime/Time.h"
#include "runtime/Tooltip.h"

namespace quil::rt {

class Form;

struct ScreenMetrics {
  double widthTwips = 0;
  double heightTwips = 0;
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
};

struct CalendarDate {
  int year = 2000;
  int month = 1;    // 1 January to 12 December
  int day = 1;
  int weekday = 1;  // 1 Sunday to 7 Saturday
};

// What the form runtime needs of the desktop: a clock, input, a screen to
// paint the front form on, a pointer, a modal message window and a few facts.
// The SDL backend implements it for real; tests implement it with a virtual
// clock and scripted input.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual Micros Now() = 0;
  // Waits for the next input until `deadline` (kForever: no limit); nothing on time-out.
  virtual std::optional<InputEvent> WaitInput(Micros deadline) = 0;

  // Paints `front` (the form that covers the screen) with the tooltip over it.
  virtual void Present(const Form& front, const Tooltip& tooltip) = 0;
  virtual void SetPointer(const PictureRef& picture) = 0;

  // Opens the modal message window; its answer arrives as MessageBoxDismissed.
  virtual void OpenMessageBox(const MessageBoxRequest& request) = 0;
  virtual void CloseMessageBox() = 0;

  virtual ScreenMetrics Screen() = 0;
  virtual CalendarDate Today() = 0;
  // The program's folder, without a trailing separator.
  virtual std::string AppPath() = 0;
};

}  // namespace quil::rt
