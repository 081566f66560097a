#include <cstdio>
#include <exception>

#include "audio/SdlMixerMultimedia.h"
#include "shell/Program.h"
#include "shell/sdl/SdlPlatform.h"

int main() {
  try {
    quil::sdl::SdlPlatform platform;
    quil::audio::SdlMixerMultimedia media;
    return quil::shell::RunProgram(platform, media);
  } catch (const std::exception& error) {
    // Only the desktop itself can fail us here, for example when there is no display.
    std::fprintf(stderr, "Quil OS cannot start: %s\n", error.what());
    return 1;
  }
}
