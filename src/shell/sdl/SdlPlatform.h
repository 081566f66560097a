#pragma once

#include <bitset>
#include <memory>
#include <optional>
#include <vector>

#include "shell/runtime/Platform.h"
#include "shell/sdl/Canvas.h"
#include "shell/sdl/FormPainter.h"
#include "shell/sdl/PointerCursor.h"
#include "shell/sdl/TextPainter.h"
#include "shell/sdl/VideoSubsystem.h"

union SDL_Event;
struct SDL_WindowEvent;
struct SDL_KeyboardEvent;

namespace quil::sdl {

class MessageBoxWindow;
class SdlWindow;

// The real desktop behind the form runtime, on SDL2: the 800 x 600 main window
// at the screen's origin (made on the first Present), mouse and keyboard input,
// the pointer picture as cursor and the modal message box window.
//
//   quil::sdl::SdlPlatform platform;      // throws std::runtime_error without a display
//   quil::rt::Application app(platform);
class SdlPlatform final : public rt::Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;

  rt::Micros Now() override;
  std::optional<rt::InputEvent> WaitInput(rt::Micros deadline) override;
  void Present(const rt::Form& front, const rt::Tooltip& tooltip) override;
  void SetPointer(const rt::PictureRef& picture) override;
  void OpenMessageBox(const rt::MessageBoxRequest& message) override;
  void CloseMessageBox() override;
  rt::ScreenMetrics Screen() override;
  rt::CalendarDate Today() override;
  std::string AppPath() override;

 private:
  bool NextEvent(SDL_Event& event, rt::Micros deadline);
  std::optional<rt::InputEvent> Translate(const SDL_Event& event);
  std::optional<rt::InputEvent> WindowChanged(const SDL_WindowEvent& event);
  std::optional<rt::InputEvent> Key(const SDL_KeyboardEvent& event);
  std::optional<rt::InputEvent> ToBox(const SDL_Event& event);
  bool IsMain(unsigned windowId) const;
  bool IsBox(unsigned windowId) const;
  bool BoxOpen() const;

  // Declared first: SDL goes last, after every window and cursor.
  VideoSubsystem video_;
  paint::FormPainter painter_;
  paint::Canvas frame_;  // the last frame shown, painted again on exposure
  std::unique_ptr<SdlWindow> window_;
  std::vector<rt::PictureRef> icon_;
  PointerCursor pointer_;
  paint::TextPainter boxText_;
  // Made for the first box and kept, hidden between boxes, for every later one.
  std::unique_ptr<MessageBoxWindow> box_;
  // Keys that went down while the box was open: their release is the box's too.
  std::bitset<512> keysHeldByBox_;
};

}  // namespace quil::sdl
