// The least an X program that moves a small picture twenty times a second can
// cost: it sleeps on its connection until the next 50 ms tick, has the server
// copy a 33 x 48 piece it already holds into its window, sends that, and
// looks for events, once a tick. No drawing, no timers but the one, no
// toolkit: what is left is the machine's price of a wake-up and a request.

#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "quil-wake-floor: no display\n");
    return 2;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_window_t window = xcb_generate_id(connection);
  const std::uint32_t ground = 0xF1F1F1;
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 800, 600, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL, &ground);
  xcb_map_window(connection, window);
  const xcb_gcontext_t gc = xcb_generate_id(connection);
  const std::uint32_t noExposures = 0;
  xcb_create_gc(connection, gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
  const xcb_pixmap_t piece = xcb_generate_id(connection);
  xcb_create_pixmap(connection, screen->root_depth, piece, window, 33, 48);
  xcb_flush(connection);

  const int fd = xcb_get_file_descriptor(connection);
  using Clock = std::chrono::steady_clock;
  auto next = Clock::now();
  for (int tick = 0;; ++tick) {
    next += std::chrono::milliseconds(50);
    for (;;) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
      if (left <= 0) break;
      pollfd waiting{fd, POLLIN, 0};
      poll(&waiting, 1, static_cast<int>(left));
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
      if (xcb_connection_has_error(connection)) return 0;
    }
    // The arrows' swing: twelve places, one a tick.
    const int x = 740 + (tick % 12 < 6 ? tick % 12 : 12 - tick % 12);
    xcb_copy_area(connection, piece, window, gc, 0, 0, static_cast<std::int16_t>(x), 200, 33, 48);
    xcb_flush(connection);
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
  }
}
