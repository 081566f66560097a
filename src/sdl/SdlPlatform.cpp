#include "sdl/SdlPlatform.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "runtime/Form.h"
#include "runtime/Twips.h"
#include "sdl/DisplayWait.h"
#include "sdl/EndSignals.h"
#include "sdl/HeldKeys.h"
#include "sdl/KeyMap.h"
#include "sdl/LocalDate.h"
#include "sdl/MessageBoxWindow.h"
#include "paint/ScreenSize.h"
#include "sdl/WindowIcon.h"

namespace quil::sdl {
namespace {

rt::InputEvent Input(rt::InputEvent::Type type) { return rt::InputEvent{type}; }

rt::InputEvent Pointer(rt::InputEvent::Type type, PixelPoint at) {
  rt::InputEvent input{type};
  input.x = at.x;
  input.y = at.y;
  return input;
}

Uint32 WindowOf(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT: return event.window.windowID;
    case SDL_MOUSEMOTION: return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return event.button.windowID;
    default: return 0;
  }
}

// How often SDL's events are pumped with nothing from the server: with a
// controller plugged in as often as a frame, so that its buttons answer at
// once; else now and then, for a controller plugged in and a signal.
constexpr rt::Micros kControllerPump = 16'000;
constexpr rt::Micros kQuietPump = 1'000'000;

// An idle job may take some tens of milliseconds; it runs only before a wait
// at least this long, so it never holds up a timer that is about to tick.
constexpr rt::Micros kIdleJobRoom = 100'000;

// What the program does last when the X server goes away.
std::function<void()>& DisplayLost() {
  static std::function<void()> last;
  return last;
}

// Xlib ends the program after this returns: nothing else is to be done.
int DisplayGone(Display*) {
  std::fputs("Quil OS: the connection to the display is lost\n", stderr);
  if (DisplayLost()) DisplayLost()();
  std::_Exit(1);
}

long long PixelCount(const std::vector<paint::PixelRect>& rects) {
  long long count = 0;
  for (const auto& rect : rects) count += static_cast<long long>(rect.width) * rect.height;
  return count;
}

}  // namespace

SdlPlatform::SdlPlatform(const WindowOptions& options)
    : window_(options), screen_(paint::kScreenWidth, paint::kScreenHeight, window_.Scale()) {
  // The first text on screen would otherwise wait for fontconfig to start.
  WhenIdle([this] { screen_.PrepareText(rt::Font{"Arial", 9}); });
  // Looking for controllers is no business of the first frame either.
  WhenIdle([this] { pad_.Start(); });
  QuitOnHangUp();
}

SdlPlatform::~SdlPlatform() = default;

rt::Micros SdlPlatform::Now() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::optional<rt::InputEvent> SdlPlatform::WaitInput(rt::Micros deadline) {
  if (auto input = Pending()) return input;
  // While a game runs, the forms' timers wait for the wake-up that pumps SDL
  // anyway: their ticks come late, once, never in a burst.
  if (away_) nextPump_ = deadline = std::max(deadline, awayWake_);
  RunIdleJobs(deadline);
  SDL_Event event;
  for (;;) {
    // A gliding pointer wakes the wait for each of its steps.
    const rt::Micros step = pad_.NextStep();
    if (NextEvent(event, std::min(deadline, step))) {
      if (auto input = Translate(event)) return input;
      if (auto input = Pending()) return input;
    } else if (step < deadline) {
      pad_.Step(Now());
    } else {
      if (away_) awayWake_ = Now() + kQuietPump;
      return std::nullopt;
    }
  }
}

std::optional<rt::InputEvent> SdlPlatform::Pending() {
  if (pending_.empty()) return std::nullopt;
  const rt::InputEvent input = pending_.front();
  pending_.pop_front();
  return input;
}

// One after another while room is left: the black second is the only long
// wait before the warning's pulse, and the sound device must be open by the
// first click.
void SdlPlatform::RunIdleJobs(rt::Micros deadline) {
  while (!idleJobs_.empty() && window_.IsOpen() && deadline - Now() >= kIdleJobRoom &&
         !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) {
    auto job = std::move(idleJobs_.front());
    idleJobs_.pop_front();
    job();
  }
}

bool SdlPlatform::NextEvent(SDL_Event& event, rt::Micros deadline) {
  if (!display_ && window_.IsOpen()) display_ = DisplayWait::For(window_.Get());
  if (!display_) return NextSdlEvent(event, deadline);
  for (;;) {
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) return true;
    const rt::Micros now = Now();
    if (now >= nextPump_ || display_->Queued()) {
      SDL_PumpEvents();
      // Controllers are read by pumping, and so are the signals SDL turns
      // into a quit and anything another thread hands SDL.
      nextPump_ = now + (pad_.AnyOpen() && !away_ ? kControllerPump : kQuietPump);
      if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) return true;
    }
    if (display_->Wait(std::max<rt::Micros>(0, std::min(deadline, nextPump_) - now))) {
      nextPump_ = now;
    } else if (const rt::Micros after = Now(); after >= deadline && after < nextPump_) {
      return false;  // a pump due by now comes first
    }
  }
}

// Before the main window there is no connection of ours to wait on.
bool SdlPlatform::NextSdlEvent(SDL_Event& event, rt::Micros deadline) {
  if (deadline == rt::kForever) return SDL_WaitEvent(&event) == 1;
  const rt::Micros left = deadline - Now();
  if (left <= 0) return SDL_PollEvent(&event) == 1;
  // Rounded up: a wait that ends before the deadline would only come straight back.
  const rt::Micros ms = std::min<rt::Micros>((left + 999) / 1000, INT_MAX);
  return SDL_WaitEventTimeout(&event, static_cast<int>(ms)) == 1;
}

std::optional<rt::InputEvent> SdlPlatform::Translate(const SDL_Event& event) {
  using Type = rt::InputEvent::Type;
  if (event.type == SDL_QUIT) return Input(Type::CloseRequested);
  if (away_) return Away(event);
  if (event.type == SDL_SYSWMEVENT) {
    heldKeys_.Handle(event);
    return std::nullopt;
  }
  if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) return Key(event.key);
  if (Gamepads::Concerns(event)) {
    pad_.Handle(event, shownForm_, BoxOpen(), Now(), pending_);
    // A controller just plugged in is read as often as any other from now on.
    if (pad_.AnyOpen() && !away_) nextPump_ = std::min(nextPump_, Now() + kControllerPump);
    return Pending();
  }
  const Uint32 window = WindowOf(event);
  if (IsBox(window)) return ToBox(event);
  if (!window_.Is(window)) return std::nullopt;
  switch (event.type) {
    case SDL_WINDOWEVENT:
      return WindowChanged(event.window);
    case SDL_MOUSEMOTION:
      pad_.MouseMoved(event.motion.x, event.motion.y);
      return PointerAt(Type::PointerMove, event.motion.x, event.motion.y);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT) return std::nullopt;
      if (event.type == SDL_MOUSEBUTTONUP) return PointerAt(Type::PointerUp, event.button.x, event.button.y);
      // A click on the window behind a modal box calls the box to the front.
      if (BoxOpen()) box_->Raise();
      return PointerAt(Type::PointerDown, event.button.x, event.button.y);
    default:
      return std::nullopt;
  }
}

// The bars beside the screen are no part of it: the pointer there is off the
// screen. A button let go there still ends the press that began on the screen.
std::optional<rt::InputEvent> SdlPlatform::PointerAt(rt::InputEvent::Type type, int x, int y) {
  if (const auto held = window_.HeldPointer(); held && type == rt::InputEvent::Type::PointerMove)
    return Pointer(type, *held);
  if (type == rt::InputEvent::Type::PointerUp) return Pointer(type, window_.Place().ToScreenBeyond(x, y));
  if (const auto at = window_.Place().ToScreen(x, y)) return Pointer(type, *at);
  return std::nullopt;
}

std::optional<rt::InputEvent> SdlPlatform::WindowChanged(const SDL_WindowEvent& event) {
  using Type = rt::InputEvent::Type;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      return Input(Type::CloseRequested);
    case SDL_WINDOWEVENT_ENTER:
      pointer_.OverForm(true);
      return std::nullopt;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      // SDL takes no key or controller press while another window has the
      // keyboard: what is down now was pressed for someone else.
      heldKeys_.Find(window_.Get());
      pad_.HoldOverPressed();
      return std::nullopt;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      Resized();
      return std::nullopt;
    case SDL_WINDOWEVENT_MOVED:
      window_.Moved();
      return std::nullopt;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
      // The last frame is kept here, so the forms need not paint again.
      window_.Show(screen_.Image());
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// A new size may call for a new scale: the last frame is then painted afresh
// at the new size, not enlarged, and an open message box with it.
void SdlPlatform::Resized() {
  window_.Resized();
  pointer_.SetScale(window_.Scale());
  if (window_.Scale() != screen_.Scale() && shownForm_) {
    screen_.SetScale(window_.Scale());
    screen_.Update(*shownForm_, shownTooltip_);
  }
  window_.Show(screen_.Image());
  if (BoxOpen()) box_->Rescale(window_.ScreenOnDesktop(), window_.Scale());
}

std::optional<rt::InputEvent> SdlPlatform::Key(const SDL_KeyboardEvent& event) {
  const bool down = event.type == SDL_KEYDOWN;
  const auto scancode = static_cast<std::size_t>(event.keysym.scancode) % keysHeldOver_.size();
  // A key held since before the window had the keyboard is nobody's here.
  if (heldKeys_.Claims()) {
    keysHeldOver_.set(scancode, down);
    return std::nullopt;
  }
  // F11 is the window's own, in both directions; the forms never see it.
  if (window_.Scaled() && event.keysym.scancode == SDL_SCANCODE_F11) {
    if (down && !event.repeat) window_.ToggleFullscreen();
    return std::nullopt;
  }
  if (BoxOpen()) {
    keysHeldOver_.set(scancode, down);
    SDL_Event whole;
    whole.key = event;
    return ToBox(whole);
  }
  if (keysHeldOver_.test(scancode)) {
    if (!down) keysHeldOver_.reset(scancode);
    return std::nullopt;
  }
  const int code = VirtualKeyCode(event.keysym);
  if (code == 0) return std::nullopt;
  rt::InputEvent input{down ? rt::InputEvent::Type::KeyDown : rt::InputEvent::Type::KeyUp};
  input.keyCode = code;
  input.shift = ShiftState(event.keysym.mod);
  return input;
}

std::optional<rt::InputEvent> SdlPlatform::ToBox(const SDL_Event& event) {
  if (!BoxOpen()) return std::nullopt;
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_ENTER) pointer_.OverForm(false);
  if (box_->Handle(event)) return Input(rt::InputEvent::Type::MessageBoxDismissed);
  return std::nullopt;
}

// While the game runs only a controller's coming and going counts, and the
// windows of the game where the focus is ours to give.
std::optional<rt::InputEvent> SdlPlatform::Away(const SDL_Event& event) {
  if (event.type == SDL_SYSWMEVENT) gameWindows_.Handle(event);
  if (event.type == SDL_CONTROLLERDEVICEADDED || event.type == SDL_CONTROLLERDEVICEREMOVED)
    pad_.Handle(event, nullptr, false, Now(), pending_);
  return std::nullopt;
}

void SdlPlatform::OnDisplayLost(std::function<void()> last) {
  DisplayLost() = std::move(last);
  XSetIOErrorHandler(DisplayGone);
}

void SdlPlatform::HandOver(pid_t session) {
  away_ = true;
  awayWake_ = 0;
  heldKeys_.Forget();
  pad_.Rest(Now());
  if (!window_.IsOpen()) return;
  // Hidden, whatever the desktop: no window manager keeps a game's window
  // above a fullscreen one for sure, and without one a game could not cover it.
  gameWindows_.Watch(window_.Get(), session);
  SDL_HideWindow(window_.Get());
}

void SdlPlatform::TakeBack() {
  away_ = false;
  gameWindows_.Stop();
  if (!window_.IsOpen()) return;
  // SDL puts a fullscreen window back fullscreen.
  SDL_ShowWindow(window_.Get());
  SDL_RaiseWindow(window_.Get());
  SDL_SetWindowInputFocus(window_.Get());
}

bool SdlPlatform::IsBox(unsigned windowId) const { return box_ && box_->Id() == windowId; }
bool SdlPlatform::BoxOpen() const { return box_ && box_->IsOpen(); }

void SdlPlatform::Present(const rt::Form& front, const rt::Tooltip& tooltip) {
  shownForm_ = &front;
  shownTooltip_ = tooltip;
  const bool first = !window_.IsOpen();
  if (first) {
    window_.Open();
    screen_.SetScale(window_.Scale());
    pointer_.SetScale(window_.Scale());
  }
  const std::vector<paint::PixelRect> changed = screen_.Update(front, tooltip);
  if (first)
    window_.Show(screen_.Image());
  else if (!changed.empty())
    window_.Show(screen_.Image(), changed, screen_.ShownPieces());
  // A frame whose changes all lay off the screen pushes nothing: 0 pixels.
  if (trace_) {
    const long long pushed = first ? 1LL * screen_.Image().Width() * screen_.Image().Height() : PixelCount(changed);
    trace_->Record(rt::TraceKind::Present, front.Name(), std::to_string(pushed), "pixels");
  }
  if (first && firstFrame_) firstFrame_();
  // The icon waits for the first frame: decoding it is no business of the black screen.
  if (front.Icon() != icon_) {
    icon_ = front.Icon();
    SetWindowIcon(window_.Get(), icon_);
  }
}

void SdlPlatform::SetPointer(const rt::PictureRef& picture) { pointer_.Set(picture); }

void SdlPlatform::OpenMessageBox(const rt::MessageBoxRequest& message) {
  if (!box_) box_ = std::make_unique<MessageBoxWindow>(boxText_);
  box_->Open(message, window_.Get(), window_.ScreenOnDesktop(), window_.Scale());
}

void SdlPlatform::CloseMessageBox() {
  if (box_) box_->Hide();
  pointer_.OverForm(true);
  // The box took the keyboard; without a window manager nobody would give it back.
  if (window_.IsOpen()) {
    SDL_RaiseWindow(window_.Get());
    SDL_SetWindowInputFocus(window_.Get());
  }
}

rt::ScreenMetrics SdlPlatform::Screen() {
  // Scaled, the screen is the window's picture, whatever the desktop's size.
  if (window_.Scaled())
    return {rt::PixelsToTwips(paint::kScreenWidth), rt::PixelsToTwips(paint::kScreenHeight), rt::kTwipsPerPixel,
            rt::kTwipsPerPixel};
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {};
  return {rt::PixelsToTwips(mode.w), rt::PixelsToTwips(mode.h), rt::kTwipsPerPixel, rt::kTwipsPerPixel};
}

rt::CalendarDate SdlPlatform::Today() { return LocalDate(std::time(nullptr)); }

std::string SdlPlatform::AppPath() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path().string() : program.parent_path().string();
}

}  // namespace quil::sdl
