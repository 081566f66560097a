#include "sdl/EndSignals.h"

#include <signal.h>
#include <unistd.h>

#include <initializer_list>

namespace quil::sdl {
namespace {

void AsTerminate(int) { kill(getpid(), SIGTERM); }

}  // namespace

void QuitOnHangUp() {
  struct sigaction action {};
  action.sa_handler = AsTerminate;
  sigemptyset(&action.sa_mask);
  for (const int signal : {SIGHUP, SIGQUIT}) sigaction(signal, &action, nullptr);
}

}  // namespace quil::sdl
