#include "sdl/MainWindow.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "paint/DeviceScale.h"
#include "paint/ScreenSize.h"
#include "sdl/SmallPieces.h"
#include "sdl/WindowManager.h"
#include "sdl/WorkArea.h"

namespace quil::sdl {
namespace {

constexpr const char* kTitle = "Quil OS";
// Frames of up to this many pixels go by the X protocol itself, larger
// ones through SDL's shared memory.
constexpr long long kSmallFrame = 128 * 128;
// Smaller than this the menu's text can no longer be read.
constexpr double kSmallestScale = 0.5;
// A window manager's frame is known only once the window is shown; a scale
// is chosen so that a title bar and edges this large fit as well.
constexpr FrameExtents kFrameAllowance{2, 26, 2, 4};
// F11's change of size reaches the window within this many milliseconds,
// and a window manager places a window shown within as long.
constexpr Uint64 kSettling = 1000;

paint::PixelRect Bounds(int monitor, int (*bounds)(int, SDL_Rect*)) {
  SDL_Rect area{0, 0, paint::kScreenWidth, paint::kScreenHeight};
  bounds(monitor, &area);
  return {area.x, area.y, area.w, area.h};
}

// The monitor under the pointer, else the primary one.
int StartMonitor() {
  std::vector<paint::PixelRect> monitors;
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) monitors.push_back(Bounds(i, SDL_GetDisplayBounds));
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return MonitorAt(x, y, monitors);
}

// The scale asked for when the window, with its frame, fits the work area at
// it, else the largest that does, said once on stderr.
double FittingScale(double asked, const paint::PixelRect& work, const FrameExtents& frame) {
  const double fits = std::max(LargestScaleWithin(work.width - frame.left - frame.right,
                                                  work.height - frame.top - frame.bottom),
                               kSmallestScale);
  if (asked <= fits) return asked;
  std::fprintf(stderr, "quil-os: a scale of %g does not fit the work area of %d x %d pixels; showing %g\n", asked,
               work.width, work.height, fits);
  return fits;
}

// A window of the screen at `scale`, in the middle of the work area.
paint::PixelRect Centred(const paint::PixelRect& area, double scale) {
  const int width = paint::ScaledLength(paint::kScreenWidth, scale);
  const int height = paint::ScaledLength(paint::kScreenHeight, scale);
  return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width, height};
}

// The window as X knows it; false when SDL does not run on X11.
bool X11Window(SDL_Window* window, ::Display*& display, ::Window& xwindow) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return false;
  display = wm.info.x11.display;
  xwindow = wm.info.x11.window;
  return true;
}

// Where the window's inside lies on the desktop. SDL's own record misses a
// move made by another client while no window manager runs, so X is asked.
void DesktopOrigin(SDL_Window* window, int& x, int& y) {
  SDL_GetWindowPosition(window, &x, &y);
  ::Display* display = nullptr;
  ::Window xwindow = 0, child = 0;
  if (X11Window(window, display, xwindow))
    XTranslateCoordinates(display, xwindow, DefaultRootWindow(display), 0, 0, &x, &y, &child);
}

// Where the pointer is, in the window's pixels. SDL keeps the pointer's
// place from the events it reads, which moves made by other clients need
// not bring, so X is asked.
PixelPoint PointerInWindow(SDL_Window* window) {
  PixelPoint at;
  SDL_GetMouseState(&at.x, &at.y);
  ::Display* display = nullptr;
  ::Window xwindow = 0, root = 0, child = 0;
  int rootX = 0, rootY = 0;
  unsigned int buttons = 0;
  if (X11Window(window, display, xwindow))
    XQueryPointer(display, xwindow, &root, &child, &rootX, &rootY, &at.x, &at.y, &buttons);
  return at;
}

}  // namespace

MainWindow::MainWindow(const WindowOptions& options) : options_(options), letterbox_(paint::kScreenWidth, paint::kScreenHeight) {
  if (!options_.scaled) return;
  monitor_ = StartMonitor();
  const paint::PixelRect work = Bounds(monitor_, SDL_GetDisplayUsableBounds);
  const double comfortable = ComfortableScale(work.width, work.height);
  windowed_ = Centred(work, options_.scale > 0 ? options_.scale : std::max(comfortable, kSmallestScale));
  // A desktop too small for the menu at its own size gets it on the whole screen.
  fullscreen_ = options_.fullscreen || (options_.scale <= 0 && comfortable < 1);
  const paint::PixelRect shown = fullscreen_ ? Bounds(monitor_, SDL_GetDisplayBounds) : windowed_;
  letterbox_ = Letterbox(shown.width, shown.height);
}

void MainWindow::Open() {
  if (!options_.scaled) {
    window_ = std::make_unique<SdlWindow>(kTitle, 0, 0, paint::kScreenWidth, paint::kScreenHeight,
                                          SDL_WINDOW_BORDERLESS);
    small_ = SmallPieces::For(window_->Get());
    return;
  }
  // Hidden until it has its place, so a fullscreen start shows no window first.
  window_ = std::make_unique<SdlWindow>(kTitle, windowed_.x, windowed_.y, windowed_.width, windowed_.height,
                                        SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
  SDL_Window* window = window_->Get();
  SDL_SetWindowMinimumSize(window, paint::ScaledLength(paint::kScreenWidth, kSmallestScale),
                           paint::ScaledLength(paint::kScreenHeight, kSmallestScale));
  managed_ = HasWindowManager(window);
  if (options_.scale > 0) FitAskedScale();
  small_ = SmallPieces::For(window);
  if (fullscreen_) Cover(true);
  SDL_ShowWindow(window);
  placedSince_ = SDL_GetTicks64();
  Resized();
}

// Only a window manager puts a frame around the window, and only the window
// tells whether one runs: the scale asked for is checked once it exists.
void MainWindow::FitAskedScale() {
  const paint::PixelRect work = Bounds(monitor_, SDL_GetDisplayUsableBounds);
  const double fits = FittingScale(options_.scale, work, managed_ ? kFrameAllowance : FrameExtents{});
  if (fits == options_.scale) return;
  windowed_ = Centred(work, fits);
  SDL_SetWindowSize(window_->Get(), windowed_.width, windowed_.height);
  SDL_SetWindowPosition(window_->Get(), windowed_.x, windowed_.y);
}

void MainWindow::Moved() {
  // The window manager's placement and frame arrive after the window is
  // shown; a move the user makes later is the user's own business.
  if (options_.scaled && !fullscreen_ && SDL_GetTicks64() - placedSince_ <= kSettling) KeepOnScreen();
}

int MainWindow::Monitor() const {
  const int shown = window_ ? SDL_GetWindowDisplayIndex(window_->Get()) : -1;
  return shown >= 0 ? shown : monitor_;
}

paint::PixelRect MainWindow::ScreenOnDesktop() const {
  if (!window_) return Bounds(Monitor(), SDL_GetDisplayBounds);
  int x = 0, y = 0;
  DesktopOrigin(window_->Get(), x, y);
  const paint::PixelRect& screen = letterbox_.Screen();
  return {x + screen.x, y + screen.y, screen.width, screen.height};
}

void MainWindow::Show(const paint::Canvas& screen) { window_->Show(screen, letterbox_.Screen()); }

void MainWindow::Show(const paint::Canvas& screen, std::span<const paint::PixelRect> pieces,
                      std::span<const std::optional<paint::PaintedPieces::Number>> kept) {
  long long pixels = 0;
  for (const paint::PixelRect& piece : pieces) pixels += 1LL * piece.width * piece.height;
  if (pixels <= kSmallFrame && small_)
    small_->Put(screen, letterbox_.Screen(), pieces, kept);
  else
    window_->Show(screen, letterbox_.Screen(), pieces);
}

void MainWindow::Resized() {
  if (options_.scaled && !fullscreen_) KeepOnScreen();
  int width = 0, height = 0;
  SDL_GetWindowSize(window_->Get(), &width, &height);
  letterbox_ = Letterbox(width, height);
  // The sizes between the old and the new are passed on the way; the
  // pointer follows each, so that it ends on its point of the screen.
  if (HeldPointer()) {
    const PixelPoint at = letterbox_.ToWindow(*heldPointer_);
    SDL_WarpMouseInWindow(window_->Get(), at.x, at.y);
    if (width == heldFor_.width && height == heldFor_.height) heldPointer_.reset();
  }
}

std::optional<PixelPoint> MainWindow::HeldPointer() const {
  // A window manager that settles on another size than asked must not keep the pointer forever.
  if (heldPointer_ && SDL_GetTicks64() - heldSince_ > kSettling) heldPointer_.reset();
  return heldPointer_;
}

void MainWindow::KeepOnScreen() {
  SDL_Window* window = window_->Get();
  FrameExtents frame;
  if (managed_ && SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right) != 0)
    frame = kFrameAllowance;
  paint::PixelRect inside;
  DesktopOrigin(window, inside.x, inside.y);
  SDL_GetWindowSize(window, &inside.width, &inside.height);
  const paint::PixelRect kept = KeptInside(inside, Bounds(Monitor(), SDL_GetDisplayUsableBounds), frame);
  if (kept == inside) return;
  if (kept.width != inside.width || kept.height != inside.height) SDL_SetWindowSize(window, kept.width, kept.height);
  SDL_SetWindowPosition(window, kept.x, kept.y);
}

void MainWindow::ToggleFullscreen() {
  if (!options_.scaled || !window_) return;
  SDL_Window* window = window_->Get();
  if (!fullscreen_) {
    SDL_GetWindowPosition(window, &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window, &windowed_.width, &windowed_.height);
  }
  // The pointer stays on the point of the screen it is on, so nothing new is hovered.
  const PixelPoint pointer = PointerInWindow(window);
  heldPointer_ = letterbox_.ToScreen(pointer.x, pointer.y);
  heldSince_ = SDL_GetTicks64();
  fullscreen_ = !fullscreen_;
  heldFor_ = fullscreen_ ? Bounds(Monitor(), SDL_GetDisplayBounds) : windowed_;
  placedSince_ = heldSince_;
  Cover(fullscreen_);
}

void MainWindow::Cover(bool whole) {
  SDL_Window* window = window_->Get();
  // The monitor the window is on; before the window is first shown, the one it opens on.
  const paint::PixelRect monitor = Bounds(Monitor(), SDL_GetDisplayBounds);
  if (managed_) {
    SDL_SetWindowFullscreen(window, whole ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  } else {
    // Nobody would answer the wish to be fullscreen: the window takes the
    // whole screen itself, without a frame.
    SDL_SetWindowBordered(window, whole ? SDL_FALSE : SDL_TRUE);
  }
  // A window manager puts a window back as it was, but only one it saw
  // before; and without one the window would keep the whole screen's size.
  const paint::PixelRect place = whole ? monitor : windowed_;
  if (!managed_ || !whole) {
    SDL_SetWindowSize(window, place.width, place.height);
    SDL_SetWindowPosition(window, place.x, place.y);
  }
}

}  // namespace quil::sdl
