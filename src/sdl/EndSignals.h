#pragma once

namespace quil::sdl {

// SDL turns SIGTERM and SIGINT into its quit event, so that the program ends
// the orderly way; a closed terminal or session (SIGHUP) and SIGQUIT are made
// to take the same way. SDL's events must be running.
void QuitOnHangUp();

}  // namespace quil::sdl
