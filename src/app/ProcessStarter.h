#pragma once

#include <sys/types.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <string>

#include "channels/UserGames.h"

namespace quil::app {

// Runs the user's games as processes of their own: one at a time, each in a
// process group of its own, in its folder, with no shell in between, standard
// input from /dev/null (a game in a background group that read the terminal
// would stop for good) and none of the program's other open files. Each game's
// end is written to `log` as one line.
//
// A game still running when the program ends is ended with it: its process
// group is sent SIGTERM, and SIGKILL if the game has not ended `grace` later;
// the program waits for the game before it goes.
class ProcessStarter final : public channels::GameStarter {
 public:
  explicit ProcessStarter(std::ostream& log = std::cerr,
                          std::chrono::milliseconds grace = std::chrono::milliseconds(5000));
  ~ProcessStarter() override;
  ProcessStarter(const ProcessStarter&) = delete;
  ProcessStarter& operator=(const ProcessStarter&) = delete;

  std::optional<std::string> Start(const std::string& title, const channels::GameCommand& command) override;
  // Asks without waiting.
  bool Running() override;

 private:
  void Ended(int status);

  std::ostream& log_;
  std::chrono::milliseconds grace_;
  pid_t game_ = 0;
  std::string title_;
};

}  // namespace quil::app
