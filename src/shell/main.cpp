#include "audio/SdlMixerMultimedia.h"
#include "shell/Program.h"
#include "shell/sdl/SdlPlatform.h"

int main() {
  quil::sdl::SdlPlatform platform;
  quil::audio::SdlMixerMultimedia media;
  return quil::shell::RunProgram(platform, media);
}
