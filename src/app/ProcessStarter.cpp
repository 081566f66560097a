#include "app/ProcessStarter.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>

extern char** environ;

namespace quil::app {
namespace {

// posix_spawn's settings for a game, released however the start ends.
class SpawnSettings {
 public:
  explicit SpawnSettings(const std::string& folder) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
    posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
    // A group of its own, so that the whole game can be ended; every signal at
    // its default and none blocked, whatever the program did with them.
    sigset_t all, none;
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    sigemptyset(&none);
    posix_spawnattr_setpgroup(&attributes_, 0);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  }
  ~SpawnSettings() {
    posix_spawnattr_destroy(&attributes_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  const posix_spawn_file_actions_t* Actions() const { return &actions_; }
  const posix_spawnattr_t* Attributes() const { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

std::string EndOf(int status) {
  if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status))
    return "signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
  return "status " + std::to_string(status);
}

}  // namespace

ProcessStarter::ProcessStarter(std::ostream& log, std::chrono::milliseconds grace) : log_(log), grace_(grace) {}

ProcessStarter::~ProcessStarter() {
  if (!Running()) return;
  kill(-game_, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + grace_;
  int status = 0;
  pid_t ended = 0;
  while ((ended = waitpid(game_, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (ended == 0) {
    kill(-game_, SIGKILL);
    do ended = waitpid(game_, &status, 0);
    while (ended < 0 && errno == EINTR);
  }
  if (ended == game_) Ended(status);
}

std::optional<std::string> ProcessStarter::Start(const std::string& title, const channels::GameCommand& command) {
  if (Running()) return "another game is still running";
  if (command.argv.empty()) return "there is nothing to run";
  // posix_spawn gives one reason for both the folder and the program; the
  // folder is looked at first so that the message can say which one it was.
  struct stat folder {};
  if (stat(command.folder.c_str(), &folder) != 0)
    return "its folder " + command.folder + " cannot be entered: " + std::strerror(errno);
  if (!S_ISDIR(folder.st_mode)) return "its folder " + command.folder + " is not a folder";
  const SpawnSettings settings(command.folder);
  std::vector<char*> argv;
  for (const std::string& argument : command.argv) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t game = 0;
  const int error = posix_spawnp(&game, argv[0], settings.Actions(), settings.Attributes(), argv.data(), environ);
  if (error != 0) return std::strerror(error);
  game_ = game;
  title_ = title;
  return std::nullopt;
}

bool ProcessStarter::Running() {
  if (game_ == 0) return false;
  int status = 0;
  const pid_t ended = waitpid(game_, &status, WNOHANG);
  if (ended == 0 || (ended < 0 && errno == EINTR)) return true;
  if (ended == game_) {
    Ended(status);
  } else {
    game_ = 0;  // reaped elsewhere: it has ended all the same
  }
  return false;
}

void ProcessStarter::Ended(int status) {
  log_ << "Quil OS: the game of \"" << title_ << "\" ended with " << EndOf(status) << std::endl;
  game_ = 0;
}

}  // namespace quil::app
