#pragma once

#include <memory>

#include "audio/Multimedia.h"
#include "home/HomeMenu.h"
#include "channels/UserGames.h"
#include "runtime/Application.h"

namespace quil::app {

// The home menu, wired to the channel screens.
std::unique_ptr<home::HomeMenu> MakeHomeMenu(rt::Application& app, audio::Multimedia& media);

// Registers every screen of the program with the runtime; "Start" only blanks
// the screen.
void RegisterForms(rt::Application& app, audio::Multimedia& media);
// The same, with "Start" running the user's games that `games` maps.
void RegisterFormsWithGames(rt::Application& app, audio::Multimedia& media, channels::UserGames* games);

// Starts the home menu and runs until the program ends; the exit status.
// With a trace, the runtime records what it does there.
int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace = nullptr,
               channels::UserGames* games = nullptr);

}  // namespace quil::app
