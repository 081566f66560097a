#pragma once

#include <string>
#include <vector>

#include "catalogue/OwnChannels.h"
#include "channels/UserGames.h"

// The user's channels file: a key file whose groups are named by channel
// titles, each mapping that channel's "Start" to a command of the user's.
//
//   [Skyhop Quest]
//   Exec=mednafen "/home/me/Games/Skyhop Quest.nes"
//   Path=/home/me/Games          (optional; the home folder without it)
//   Wait=30                      (optional; seconds the screen stays the game's
//                                 at least, for launchers that return at once)
//
// A group named by no built-in title is a channel of the user's own, on a tile
// of its own and described by the keys of OwnChannelKeys.h.
namespace quil::app {

// $XDG_CONFIG_HOME/quil-os/channels.conf, or ~/.config/quil-os/channels.conf
// when XDG_CONFIG_HOME is unset (or not an absolute path).
std::string ChannelsFilePath();

struct ChannelsFile {
  channels::GameCommands commands;  // the built-in channels' and the own ones'
  // In the order of the file, each with the tile it sits on (0 when none was left).
  std::vector<catalogue::OwnChannel> own;
  // One line each, naming the file and, where there is one, the line.
  std::vector<std::string> problems;
};

// No file gives no commands and no problems; a file of more than 1 MiB is not
// read, and its problems beyond the first twenty are counted in one line. A problem in one group costs that
// group only; a file that is not read (UserFile) gives no commands. Games
// without Path= start in `home`.
ChannelsFile ReadChannelsFile(const std::string& path, const std::string& home);

}  // namespace quil::app
