#pragma once

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
};

// By the title on the channel's screen.
using GameCommands = std::map<std::string, GameCommand, std::less<>>;

class GameStarter {
 public:
  virtual ~GameStarter() = default;
  // Starts the game of the channel titled `title`, never through a shell; the
  // reason it could not start, or nothing once it runs.
  virtual std::optional<std::string> Start(const std::string& title, const GameCommand& command) = 0;
  // Whether the game started last still runs.
  virtual bool Running() = 0;
};

struct UserGames {
  const GameCommands& commands;
  GameStarter& starter;
};

}  // namespace quil::channels
