#pragma once

namespace quil::sdl {

// SDL ends its own waits by sending a message to one of the program's windows
// over a second connection. The server may read that message only after the
// window is gone, and Xlib's default answer to the error, reported when the
// display closes, is to end the process. Afterwards those errors are ignored,
// and so is SDL's question for the place of a window manager's frame that has
// just gone; every other X error still goes to the handler that was there
// before.
void ForgiveLateWakeups();

}  // namespace quil::sdl
