#include "sdl/VideoSubsystem.h"

#include <SDL.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include "sdl/LateWakeups.h"

namespace quil::sdl {
namespace {

// Sets an environment variable for the life of the object, then puts back
// whatever was there before.
class EnvironmentOverride {
 public:
  EnvironmentOverride(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~EnvironmentOverride() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  EnvironmentOverride(const EnvironmentOverride&) = delete;
  EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

VideoSubsystem::VideoSubsystem() {
  // Frames are finished pictures from Cairo; pushing them through a GL texture
  // would only add a copy, and a software GL stack on machines without a GPU.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A desktop menu, not a game: leave the desktop's compositor and screen saver alone.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Closing the message box must not end the program when it is the only window.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The click that brings the window forward is a click like any other, as on the desktop.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Before SDL's video starts: SDL sets an X error handler of its own that
  // hands every error on to the one it found.
  ForgiveLateWakeups();
  {
    // SDL opens an X input method, which reads the locale's whole table of
    // compose sequences: two thirds of the instructions before the first
    // frame. The program takes no typed text, so the table would never be
    // used; an empty one leaves keys as they are.
    const EnvironmentOverride noComposeTable("XCOMPOSEFILE", "/dev/null");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
      throw std::runtime_error(std::string("cannot open the display: ") + SDL_GetError());
  }
  // Without a desktop SDL falls back to drawing into memory, where the window
  // and its message boxes would wait for a click that can never come.
  const std::string driver = SDL_GetCurrentVideoDriver();
  if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    const char* display = SDL_getenv("DISPLAY");
    throw std::runtime_error(display && *display ? "cannot open the display " + std::string(display)
                                                 : std::string("no display to open: DISPLAY is not set"));
  }
}

VideoSubsystem::~VideoSubsystem() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

}  // namespace quil::sdl
