#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The user's own games behind the channels' "Start": which command a channel
// runs, and what starts it. The program fills both in; without them "Start"
// only blanks the screen.
namespace quil::channels {

struct GameCommand {
  std::string line;               // as the user wrote it, for messages
  std::vector<std::string> argv;  // the program and its arguments
  std::string folder;             // where it starts
  // For launchers that hand the game to a process of their own and return at
  // once: how long the screen stays the game's at least; after that, it stays
  // the game's while a window that appeared since the start is shown.
  std::chrono::seconds wait{0};
};

// By the title on the channel's screen.
using GameCommands = std::map<std::string, GameCommand, std::less<>>;

class GameStarter {
 public:
  virtual ~GameStarter() = default;
  // Starts the game of the channel titled `title`, never through a shell; the
  // reason it could not start, or nothing once it runs.
  virtual std::optional<std::string> Start(const std::string& title, const GameCommand& command) = 0;
  // Whether the game started last still runs: any process of its own, or
  // its command's wait, still going.
  virtual bool Running() = 0;
};

struct UserGames {
  const GameCommands& commands;
  GameStarter& starter;
};

}  // namespace quil::channels
