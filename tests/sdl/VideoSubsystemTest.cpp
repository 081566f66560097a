#include "sdl/VideoSubsystem.h"

// Before Xlib, whose macros (None, Bool) would break gtest's templates.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "XvfbServer.h"

namespace quil::test {
namespace {

using namespace std::chrono_literals;

Display* DisplayOf(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  return SDL_GetWindowWMInfo(window, &wm) ? wm.info.x11.display : nullptr;
}

// An event pushed while SDL waits wakes the wait with a message that SDL sends
// to one of our windows over a connection of its own. The server may read
// that message only after the window is gone; the error then comes back when
// the display closes, and must not end the program.
TEST(VideoSubsystemTest, AWakeupThatArrivesAfterItsWindowIsGoneIsHarmless) {
  XvfbServer server;
  EXPECT_EXIT(
      {
        {
          sdl::VideoSubsystem video;
          SDL_Window* window = SDL_CreateWindow("", 0, 0, 10, 10, SDL_WINDOW_HIDDEN);
          Display* display = DisplayOf(window);
          if (!display) std::exit(2);
          // While the server listens to this connection alone, the wakeup
          // waits unread until the window is destroyed.
          XGrabServer(display);
          XFlush(display);
          std::thread pusher([] {
            std::this_thread::sleep_for(100ms);
            SDL_Event wake{};
            wake.type = SDL_USEREVENT;
            SDL_PushEvent(&wake);
          });
          SDL_Event event;
          SDL_WaitEventTimeout(&event, 300);
          pusher.join();
          SDL_DestroyWindow(window);
          XUngrabServer(display);
          XFlush(display);
        }
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quil::test
