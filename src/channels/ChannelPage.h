#pragma once

#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/OwnChannels.h"
#include "channels/Styles.h"
#include "runtime/Picture.h"

namespace quil::channels {

// What a channel screen shows, laid out on the template: a built-in game's
// row, or a channel of the user's own.
struct ChannelPage {
  std::string form;  // the screen's form name
  std::string title;
  std::string caption;   // the banner's platform caption
  std::string released;  // "Released  1994", or empty
  std::string players;   // "Players: 1-2", or empty
  const StyleRow* style;
  rt::PictureRef screenshot;
  catalogue::Departures departures;
};

ChannelPage PageOf(const catalogue::Game& row);
// The screen of an own channel registered under `form`, with its screenshot.
ChannelPage PageOf(const catalogue::OwnChannel& channel, std::string form, rt::PictureRef screenshot);

}  // namespace quil::channels
