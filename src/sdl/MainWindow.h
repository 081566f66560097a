#pragma once

#include <memory>
#include <optional>
#include <span>

#include "paint/Canvas.h"
#include "paint/PixelRect.h"
#include "sdl/Letterbox.h"
#include "sdl/SdlWindow.h"
#include "sdl/SmallPieces.h"
#include "sdl/WindowOptions.h"

namespace quil::sdl {

// The window the forms are shown in, titled "Quil OS". Its first size is
// chosen when it is made; the window itself is opened by the first frame.
// Scaled, it can be resized and made fullscreen, and the screen is shown
// letterboxed in it at whatever scale its size allows.
class MainWindow {
 public:
  // SDL's video must be running.
  explicit MainWindow(const WindowOptions& options);

  bool Scaled() const { return options_.scaled; }
  // The scale the screen is to be drawn at.
  double Scale() const { return letterbox_.Scale(); }
  const Letterbox& Place() const { return letterbox_; }
  // Where the screen is shown, in the desktop's pixels; the whole display
  // while the window is not open yet.
  paint::PixelRect ScreenOnDesktop() const;

  void Open();
  bool IsOpen() const { return window_ != nullptr; }
  SDL_Window* Get() const { return window_ ? window_->Get() : nullptr; }
  bool Is(Uint32 windowId) const { return window_ && window_->Id() == windowId; }

  // The screen's picture and the bars around it.
  void Show(const paint::Canvas& screen);
  // Only the given pieces of the screen's picture; `kept` holds the screen
  // painter's number for each piece it keeps.
  void Show(const paint::Canvas& screen, std::span<const paint::PixelRect> pieces,
            std::span<const std::optional<paint::PaintedPieces::Number>> kept = {});
  // Takes the window's size as it is now, and with it the screen's scale; a
  // window grown past the work area of its monitor is brought back inside it.
  void Resized();
  // A window just shown or given back from fullscreen that the window manager
  // placed partly off the work area is brought back inside it.
  void Moved();
  // Between fullscreen on its monitor and the window it was, the pointer kept
  // on its point of the screen; nothing for an unscaled screen.
  void ToggleFullscreen();
  // While F11 changes the window's size, the point of the screen the pointer
  // is kept on: the window moving under the pointer is no move of the user's.
  std::optional<PixelPoint> HeldPointer() const;

 private:
  // Fills the monitor with the window, or puts it back in its place.
  void Cover(bool whole);
  // The window, with its frame, moved and shrunk into its monitor's work area.
  void KeepOnScreen();
  // The window made no larger than the largest scale that fits the work area.
  void FitAskedScale();
  // The monitor the window is on, or will open on.
  int Monitor() const;

  WindowOptions options_;
  Letterbox letterbox_;
  int monitor_ = 0;
  paint::PixelRect windowed_{};
  // The point of the screen the pointer was on when F11 was pressed, until
  // the window reaches `heldFor_`'s size.
  mutable std::optional<PixelPoint> heldPointer_;
  Uint64 heldSince_ = 0;
  // When the window was last shown or given back from fullscreen.
  Uint64 placedSince_ = 0;
  paint::PixelRect heldFor_{};
  bool fullscreen_ = false;
  bool managed_ = true;
  std::unique_ptr<SdlWindow> window_;
  std::unique_ptr<SmallPieces> small_;
};

}  // namespace quil::sdl
