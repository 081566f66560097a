#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <string_view>

#include "app/ChannelList.h"
#include "app/ChannelsFile.h"
#include "app/ProcessStarter.h"
#include "app/Program.h"
#include "app/TraceFile.h"
#include "app/UserFile.h"
#include "audio/SdlMixerMultimedia.h"
#include "sdl/SdlPlatform.h"

namespace {

void Usage(std::FILE* out) {
  std::fputs("Usage: quil-os [--channels]\n"
             "Shows the home menu. --channels lists every channel's title and what its \"Start\" runs.\n",
             out);
}

}  // namespace

// Two switches in the environment serve the benchmarks:
//   QUIL_TRACE=FILE          writes a timestamp for every input, handler, timer
//                            tick, paint, frame and sound effect to FILE;
//   QUIL_FIRST_FRAME_ONLY=1  ends the program as soon as its first frame is on
//                            the screen, to time the start.
int main(int argc, char** argv) {
  const std::string_view option = argc > 1 ? argv[1] : "";
  if (option == "-h" || option == "--help") {
    Usage(stdout);
    return 0;
  }
  if (argc > 2 || (argc == 2 && option != "--channels")) {
    Usage(stderr);
    return 2;
  }
  try {
    const quil::app::ChannelsFile channels =
        quil::app::ReadChannelsFile(quil::app::ChannelsFilePath(), quil::app::HomeFolder());
    for (const std::string& problem : channels.problems) std::fprintf(stderr, "Quil OS: %s\n", problem.c_str());
    if (option == "--channels") {
      quil::app::ListChannels(channels.commands, std::cout);
      return 0;
    }
    // Destroyed last: a game still running when the program ends goes with it.
    quil::app::ProcessStarter starter;
    quil::channels::UserGames games{channels.commands, starter};

    std::unique_ptr<quil::app::TraceFile> trace;
    if (const char* path = std::getenv("QUIL_TRACE"); path && *path)
      trace = std::make_unique<quil::app::TraceFile>(path);
    quil::sdl::SdlPlatform platform;
    quil::audio::SdlMixerMultimedia media;
    if (trace) {
      platform.SetTrace(trace.get());
      media.SetTrace(trace.get());
    }
    if (const char* only = std::getenv("QUIL_FIRST_FRAME_ONLY"); only && *only == '1') {
      platform.OnFirstFrame([&trace] {
        if (trace) trace->Flush();
        std::_Exit(0);
      });
    }
    // The sound device opens while the first screen is up, not before it.
    platform.WhenIdle([&media] { media.Open(); });
    return quil::app::RunProgram(platform, media, trace.get(), &games);
  } catch (const std::exception& error) {
    // Only the desktop itself can fail us here, for example when there is no display.
    std::fprintf(stderr, "Quil OS cannot start: %s\n", error.what());
    return 1;
  }
}
