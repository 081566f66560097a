#pragma once

#include <string>
#include <vector>

#include "audio/Multimedia.h"
#include "catalogue/OwnChannels.h"
#include "channels/ChannelScreen.h"
#include "channels/UserGames.h"
#include "home/OwnTile.h"
#include "runtime/Application.h"
#include "userpictures/UserPicture.h"

namespace quil::app {

// The screen codes past the built-in games' name the user's own channels.
int OwnScreenCode(std::size_t index);
// The form an own channel's screen is registered under; empty for any other code.
std::string OwnFormName(int screenCode);

// What the own channels' screens need besides their rows; it lives as long as
// the program.
struct OwnChannelSetting {
  std::string mediaHome;        // MediaHome()
  userpictures::Report report;  // a picture that cannot be shown
  channels::UserGames* games;   // what "Start" runs
};

// Registers a channel screen for each own channel that found a tile (they
// live as long as `own`), and gives back the tiles that open them.
std::vector<home::OwnTile> RegisterOwnChannels(rt::Application& app, audio::Multimedia& media,
                                               const std::vector<catalogue::OwnChannel>& own,
                                               const OwnChannelSetting& setting,
                                               const channels::ChannelScreen::MenuReturn& returnToMenu);

}  // namespace quil::app
