#include "sdl/MainWindow.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>

#include "paint/DeviceScale.h"
#include "paint/ScreenSize.h"
#include "sdl/SmallPieces.h"
#include "sdl/WindowManager.h"

namespace quil::sdl {
namespace {

constexpr const char* kTitle = "Quil OS";
// Frames of up to this many pixels go by the X protocol itself, larger
// ones through SDL's shared memory.
constexpr long long kSmallFrame = 128 * 128;
// Smaller than this the menu's text can no longer be read.
constexpr double kSmallestScale = 0.5;

SDL_Rect Display(int (*bounds)(int, SDL_Rect*)) {
  SDL_Rect area{0, 0, paint::kScreenWidth, paint::kScreenHeight};
  bounds(0, &area);
  return area;
}

// A window of the screen at `scale`, in the middle of the work area.
SDL_Rect Centred(const SDL_Rect& area, double scale) {
  const int width = paint::ScaledLength(paint::kScreenWidth, scale);
  const int height = paint::ScaledLength(paint::kScreenHeight, scale);
  return {area.x + (area.w - width) / 2, area.y + (area.h - height) / 2, width, height};
}

// Where the window's inside lies on the desktop. SDL's own record misses a
// move made by another client while no window manager runs, so X is asked.
void DesktopOrigin(SDL_Window* window, int& x, int& y) {
  SDL_GetWindowPosition(window, &x, &y);
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return;
  ::Display* display = wm.info.x11.display;
  ::Window child = 0;
  XTranslateCoordinates(display, wm.info.x11.window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
}

}  // namespace

MainWindow::MainWindow(const WindowOptions& options) : options_(options), letterbox_(paint::kScreenWidth, paint::kScreenHeight) {
  if (!options_.scaled) return;
  const SDL_Rect work = Display(SDL_GetDisplayUsableBounds);
  const double comfortable = ComfortableScale(work.w, work.h);
  windowed_ = Centred(work, options_.scale > 0 ? options_.scale : std::max(comfortable, kSmallestScale));
  // A desktop too small for the menu at its own size gets it on the whole screen.
  fullscreen_ = options_.fullscreen || (options_.scale <= 0 && comfortable < 1);
  const SDL_Rect shown = fullscreen_ ? Display(SDL_GetDisplayBounds) : windowed_;
  letterbox_ = Letterbox(shown.w, shown.h);
}

void MainWindow::Open() {
  if (!options_.scaled) {
    window_ = std::make_unique<SdlWindow>(kTitle, 0, 0, paint::kScreenWidth, paint::kScreenHeight,
                                          SDL_WINDOW_BORDERLESS);
    small_ = SmallPieces::For(window_->Get());
    return;
  }
  // Hidden until it has its place, so a fullscreen start shows no window first.
  window_ = std::make_unique<SdlWindow>(kTitle, windowed_.x, windowed_.y, windowed_.w, windowed_.h,
                                        SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
  SDL_Window* window = window_->Get();
  SDL_SetWindowMinimumSize(window, paint::ScaledLength(paint::kScreenWidth, kSmallestScale),
                           paint::ScaledLength(paint::kScreenHeight, kSmallestScale));
  managed_ = HasWindowManager(window);
  small_ = SmallPieces::For(window);
  if (fullscreen_) Cover(true);
  SDL_ShowWindow(window);
  Resized();
}

paint::PixelRect MainWindow::ScreenOnDesktop() const {
  if (!window_) {
    const SDL_Rect display = Display(SDL_GetDisplayBounds);
    return {display.x, display.y, display.w, display.h};
  }
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
  int width = 0, height = 0;
  SDL_GetWindowSize(window_->Get(), &width, &height);
  letterbox_ = Letterbox(width, height);
}

void MainWindow::ToggleFullscreen() {
  if (!options_.scaled || !window_) return;
  if (!fullscreen_) {
    SDL_GetWindowPosition(window_->Get(), &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window_->Get(), &windowed_.w, &windowed_.h);
  }
  fullscreen_ = !fullscreen_;
  Cover(fullscreen_);
}

void MainWindow::Cover(bool whole) {
  SDL_Window* window = window_->Get();
  if (managed_) {
    SDL_SetWindowFullscreen(window, whole ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  } else {
    // Nobody would answer the wish to be fullscreen: the window takes the
    // whole screen itself, without a frame.
    SDL_SetWindowBordered(window, whole ? SDL_FALSE : SDL_TRUE);
  }
  // A window manager puts a window back as it was, but only one it saw
  // before; and without one the window would keep the whole screen's size.
  const SDL_Rect place = whole ? Display(SDL_GetDisplayBounds) : windowed_;
  if (!managed_ || !whole) {
    SDL_SetWindowSize(window, place.w, place.h);
    SDL_SetWindowPosition(window, place.x, place.y);
  }
}

}  // namespace quil::sdl
