#include "app/CommandLine.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace quil::app {
namespace {

// Beyond these the window would be too small to read or larger than any screen.
constexpr double kSmallestScale = 0.5;
constexpr double kLargestScale = 8;

bool ReadScale(const std::string& text, double& scale) {
  char* end = nullptr;
  scale = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0' && std::isfinite(scale) && scale >= kSmallestScale && scale <= kLargestScale;
}

}  // namespace

const char* const kUsage =
    "Usage: quil-os [--window | --fullscreen | --scale N] [--channels]\n"
    "Shows the menu on an 800 x 600 screen, and refuses a screen of another size.\n"
    "  --window       show the menu in a window of its own at any size instead;\n"
    "                 F11 turns it fullscreen and back\n"
    "  --fullscreen   the same window, filling the whole screen from the start\n"
    "  --scale N      the same window, N times 800 x 600 at first (0.5 to 8)\n"
    "  --channels     list every channel's title and what its \"Start\" runs\n";

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine command;
  for (int i = 1; i < argc && command.error.empty(); ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") {
      command.help = true;
    } else if (argument == "--channels") {
      command.listChannels = true;
    } else if (argument == "--window") {
      command.window.scaled = true;
    } else if (argument == "--fullscreen") {
      command.window.scaled = true;
      command.window.fullscreen = true;
    } else if (argument == "--scale" || argument.starts_with("--scale=")) {
      std::string value;
      if (argument != "--scale")
        value = argument.substr(argument.find('=') + 1);
      else if (i + 1 < argc)
        value = argv[++i];
      command.window.scaled = true;
      if (!ReadScale(value, command.window.scale)) command.error = "--scale takes a number from 0.5 to 8";
    } else {
      command.error = "unknown argument: " + std::string(argument);
    }
  }
  return command;
}

}  // namespace quil::app
