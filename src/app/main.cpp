#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "app/ChannelList.h"
#include "app/ChannelsFile.h"
#include "app/CommandLine.h"
#include "app/MediaFolder.h"
#include "app/PadShortcuts.h"
#include "app/ProcessStarter.h"
#include "app/Program.h"
#include "app/TraceFile.h"
#include "app/UserFile.h"
#include "audio/SdlMixerMultimedia.h"
#include "sdl/SdlPlatform.h"

// Two switches in the environment serve the benchmarks:
//   QUIL_TRACE=FILE          writes a timestamp for every input, handler, timer
//                            tick, paint, frame and sound effect to FILE;
//   QUIL_FIRST_FRAME_ONLY=1  ends the program as soon as its first frame is on
//                            the screen, to time the start.
int main(int argc, char** argv) {
  const quil::app::CommandLine command = quil::app::ParseCommandLine(argc, argv);
  if (command.help || !command.error.empty()) {
    if (!command.error.empty()) std::fprintf(stderr, "quil-os: %s\n", command.error.c_str());
    std::fputs(quil::app::kUsage, command.help ? stdout : stderr);
    return command.help ? 0 : 2;
  }
  try {
    const auto say = [](const std::string& line) { std::fprintf(stderr, "Quil OS: %s\n", line.c_str()); };
    quil::app::ChannelsFile channels;
    const auto readChannels = [&] {
      channels = quil::app::ReadChannelsFile(quil::app::ChannelsFilePath(), quil::app::HomeFolder());
      for (const std::string& problem : channels.problems) say(problem);
    };
    if (command.listChannels) {
      readChannels();
      quil::app::ListChannels(channels, quil::app::MediaHome(), std::cout);
      return 0;
    }
    // Destroyed last: a game still running when the program ends goes with it.
    quil::app::ProcessStarter starter;
    quil::channels::UserGames games{channels.commands, starter};
    const quil::app::OwnChannelSetting own{quil::app::MediaHome(), say, &games};

    std::unique_ptr<quil::app::TraceFile> trace;
    if (const char* path = std::getenv("QUIL_TRACE"); path && *path)
      trace = std::make_unique<quil::app::TraceFile>(path);
    quil::sdl::SdlPlatform platform(command.window);
    platform.SetPadShortcuts(quil::app::PadShortcut);
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
    // A game has the screen, the input and the sound device to itself.
    starter.SetHandoff({.toGame =
                            [&](pid_t session) {
                              platform.HandOver(session);
                              media.Close();
                            },
                        .back =
                            [&] {
                              platform.TakeBack();
                              media.Reopen();
                            },
                        .newWindowsShown = [&platform] { return platform.NewWindowsShown(); }});
    // Xlib ends the program when the X server goes; the game goes first.
    platform.OnDisplayLost([&starter] { starter.EndGame(); });
    // The channels file is read once the first frame is up, first thing in the
    // intro's black second, so that the start does not wait for it and the
    // menu never comes up without the user's channels.
    const int status = quil::app::RunProgram(platform, media, trace.get(), &games, [&](quil::rt::Application& app) {
      platform.WhenIdleFirst([&] {
        readChannels();
        quil::app::AddOwnChannels(app, media, channels.own, own);
      });
    });
    starter.SetHandoff({});
    return status;
  } catch (const std::exception& error) {
    // Only the desktop itself can fail us here, for example when there is no display.
    std::fprintf(stderr, "Quil OS cannot start: %s\n", error.what());
    return 1;
  }
}
