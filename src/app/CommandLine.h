#pragma once

#include <string>

#include "sdl/WindowOptions.h"

namespace quil::app {

// What the program was asked for on its command line.
struct CommandLine {
  sdl::WindowOptions window;
  bool help = false;
  // List the channels and what their "Start" runs, instead of showing the menu.
  bool listChannels = false;
  // Why the command line was refused; empty when it was not.
  std::string error;
};

// Reads --window, --fullscreen, --scale N (or --scale=N), --channels and -h or --help.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// How to call the program, for --help and after a refused command line.
extern const char* const kUsage;

}  // namespace quil::app
