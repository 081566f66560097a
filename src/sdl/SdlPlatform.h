#pragma once

#include <bitset>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/Platform.h"
#include "runtime/Trace.h"
#include "sdl/DisplayWait.h"
#include "sdl/GameWindows.h"
#include "sdl/HeldKeys.h"
#include "sdl/MainWindow.h"
#include "sdl/PadInput.h"
#include "sdl/PointerCursor.h"
#include "paint/ScreenPainter.h"
#include "paint/TextPainter.h"
#include "sdl/VideoSubsystem.h"
#include "sdl/WindowOptions.h"

union SDL_Event;
struct SDL_WindowEvent;
struct SDL_KeyboardEvent;

namespace quil::sdl {

class MessageBoxWindow;

// The real desktop behind the form runtime, on SDL2: the main window (made on
// the first Present), mouse and keyboard input, the pointer picture as cursor
// and the modal message box window. The main window covers an 800 x 600
// desktop from its origin, or, scaled, shows the 800 x 600 screen at any size
// in a window of its own; F11 then turns it fullscreen and back. Game
// controllers drive the pointer (PadInput).
//
//   quil::sdl::SdlPlatform platform;      // throws std::runtime_error without a display
//   quil::rt::Application app(platform);
class SdlPlatform final : public rt::Platform {
 public:
  explicit SdlPlatform(const WindowOptions& options = {});
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

  // Work that the first frame does not need, done once the program is
  // waiting with time to spare, in the order given, as many as fit.
  void WhenIdle(std::function<void()> job) { idleJobs_.push_back(std::move(job)); }
  // The same, before every job already waiting: the first wait after the
  // first frame, the intro's black second, always has room for it.
  void WhenIdleFirst(std::function<void()> job) { idleJobs_.push_front(std::move(job)); }
  // Runs once, right after the first frame reached the screen.
  void OnFirstFrame(std::function<void()> done) { firstFrame_ = std::move(done); }
  // Records every frame pushed to the screen in `sink`.
  void SetTrace(rt::TraceSink* sink) { trace_ = sink; }
  // What a controller's buttons besides A click on each screen.
  void SetPadShortcuts(PadShortcuts shortcuts) { pad_.SetShortcuts(std::move(shortcuts)); }

  // While a game of the user's runs (its processes are those of `session`)
  // the menu's window is hidden, the game's windows get the keyboard where no
  // window manager gives it to them, nothing the user does reaches the forms,
  // and the program wakes about once a second at most.
  void HandOver(pid_t session);
  // After the game: the window as it was, in front with the keyboard; a key
  // or a button still held from the game counts only once it is let go.
  void TakeBack();
  // While a game runs: whether a window that was not there at its start is shown.
  bool NewWindowsShown() const { return gameWindows_.NewOnesShown(); }
  // Runs when the connection to the X server is lost, right before the
  // program ends for it.
  void OnDisplayLost(std::function<void()> last);

 private:
  std::optional<rt::InputEvent> Pending();
  bool NextEvent(SDL_Event& event, rt::Micros deadline);
  bool NextSdlEvent(SDL_Event& event, rt::Micros deadline);
  void RunIdleJobs(rt::Micros deadline);
  std::optional<rt::InputEvent> Translate(const SDL_Event& event);
  std::optional<rt::InputEvent> WindowChanged(const SDL_WindowEvent& event);
  std::optional<rt::InputEvent> PointerAt(rt::InputEvent::Type type, int x, int y);
  void Resized();
  std::optional<rt::InputEvent> Key(const SDL_KeyboardEvent& event);
  std::optional<rt::InputEvent> Away(const SDL_Event& event);
  std::optional<rt::InputEvent> ToBox(const SDL_Event& event);
  bool IsBox(unsigned windowId) const;
  bool BoxOpen() const;

  // Declared first: SDL goes last, after every window and cursor.
  VideoSubsystem video_;
  MainWindow window_;
  PadInput pad_{window_};
  paint::ScreenPainter screen_;  // the last frame shown, pushed again on exposure
  // The form and tooltip of the last frame, for painting it afresh at a new
  // scale. The runtime presents its front form before every wait for input,
  // so while input is awaited this is the front form, alive.
  const rt::Form* shownForm_ = nullptr;
  rt::Tooltip shownTooltip_;
  std::vector<rt::PictureRef> icon_;
  PointerCursor pointer_;
  paint::TextPainter boxText_;
  // Made for the first box and kept, hidden between boxes, for every later one.
  std::unique_ptr<MessageBoxWindow> box_;
  // Keys that went down while the box was open or a game ran: until they go
  // up, they are the box's or the game's.
  std::bitset<512> keysHeldOver_;
  bool away_ = false;
  rt::Micros awayWake_ = 0;  // while away, no timer wakes the program before this
  GameWindows gameWindows_;
  HeldKeys heldKeys_;
  // Inputs made by one event beyond the one returned for it (a shortcut's click).
  std::deque<rt::InputEvent> pending_;
  // The X connection, waited on once the main window is there.
  std::unique_ptr<DisplayWait> display_;
  rt::Micros nextPump_ = 0;
  std::deque<std::function<void()>> idleJobs_;
  std::function<void()> firstFrame_;
  rt::TraceSink* trace_ = nullptr;
};

}  // namespace quil::sdl
