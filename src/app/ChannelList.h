#pragma once

#include <ostream>

#include "channels/UserGames.h"

namespace quil::app {

// Every channel's title, in the order of the menu's tiles, and what its
// "Start" runs: one line each, for writing the channels file.
void ListChannels(const channels::GameCommands& commands, std::ostream& out);

}  // namespace quil::app
