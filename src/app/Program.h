#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/OwnChannelForms.h"
#include "audio/Multimedia.h"
#include "catalogue/OwnChannels.h"
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

// Puts the user's own channels on the started menu: their screens registered,
// their tiles seated. `own` and `setting` live as long as the program.
void AddOwnChannels(rt::Application& app, audio::Multimedia& media, const std::vector<catalogue::OwnChannel>& own,
                    const OwnChannelSetting& setting);

// Starts the home menu, hands the program to `started`, and runs until the
// program ends; the exit status. With a trace, the runtime records what it
// does there.
int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace = nullptr,
               channels::UserGames* games = nullptr, const std::function<void(rt::Application&)>& started = {});

}  // namespace quil::app
