#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "channels/UserGames.h"

namespace quil::app {

// What the rest of the program gives up while a game runs and takes back
// after it: the screen, the input and the sound device. `toGame` follows a
// game's start; `back` its end while the program runs, never the end that
// the program's own end brings.
struct Handoff {
  std::function<void(pid_t session)> toGame = [](pid_t) {};
  std::function<void()> back = [] {};
  // Whether a window that has appeared since the game's start is shown.
  std::function<bool()> newWindowsShown = [] { return false; };
};

// Runs the user's games as processes of their own: one at a time, each in a
// session (and so a process group) of its own with no controlling terminal,
// in its folder, with no shell in between, standard input from /dev/null and
// none of the program's other open files. A game runs while any process of
// its group lives, whether or not the one started first has ended: launchers
// and wrapper scripts often leave the game to a child. A process of the game
// that is stopped is continued: nobody could otherwise bring it back. A
// command with a wait (a launcher that hands the game to a process of its
// own, which this program cannot see) runs at least that long, and then
// while a window that has appeared since its start is shown. Each game's end
// is written to `log` as one line.
//
// A game still running when the program ends is ended with it (EndGame): its
// process group is sent SIGTERM, and SIGKILL if any of it is still there
// `grace` later.
class ProcessStarter final : public channels::GameStarter {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  explicit ProcessStarter(std::ostream& log = std::cerr,
                          std::chrono::milliseconds grace = std::chrono::milliseconds(5000),
                          Clock clock = std::chrono::steady_clock::now);
  ~ProcessStarter() override;
  ProcessStarter(const ProcessStarter&) = delete;
  ProcessStarter& operator=(const ProcessStarter&) = delete;

  void SetHandoff(Handoff handoff) { handoff_ = std::move(handoff); }

  std::optional<std::string> Start(const std::string& title, const channels::GameCommand& command) override;
  // Asks without waiting.
  bool Running() override;
  // Ends a game still running, and waits for it; safe from any route out of the program.
  void EndGame();

 private:
  // Reaps the game's processes that have ended and continues a stopped one.
  void Reap();
  bool GroupLives() const;
  void Ended();

  std::ostream& log_;
  std::chrono::milliseconds grace_;
  Clock clock_;
  Handoff handoff_;
  pid_t group_ = 0;
  std::string title_;
  std::chrono::steady_clock::time_point waitUntil_;
  bool followsWindows_ = false;
  // How the process started first ended, once it has.
  std::optional<int> leaderStatus_;
};

}  // namespace quil::app
