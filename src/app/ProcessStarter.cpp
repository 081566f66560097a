#include "app/ProcessStarter.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
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
    // A session of its own: a group that the whole game can be ended by, and
    // no terminal whose use would stop it for good. Every signal at its
    // default and none blocked, whatever the program did with them.
    sigset_t all, none;
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
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

ProcessStarter::ProcessStarter(std::ostream& log, std::chrono::milliseconds grace, Clock clock)
    : log_(log), grace_(grace), clock_(std::move(clock)) {
  // A helper the game leaves behind comes back to this program when its
  // parent ends, so that it can be reaped, and continued if it stops.
  prctl(PR_SET_CHILD_SUBREAPER, 1);
}

ProcessStarter::~ProcessStarter() { EndGame(); }

void ProcessStarter::EndGame() {
  if (group_ == 0) return;
  Reap();
  if (GroupLives()) {
    // A stopped process takes its SIGTERM only once it goes on.
    kill(-group_, SIGTERM);
    kill(-group_, SIGCONT);
    const auto deadline = std::chrono::steady_clock::now() + grace_;
    while (GroupLives() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      Reap();
    }
    if (GroupLives()) kill(-group_, SIGKILL);
    // SIGKILL is not to be refused; only a process stuck in the kernel takes longer.
    for (int i = 0; i < 100 && GroupLives(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      Reap();
    }
  }
  Ended();
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
  group_ = game;
  title_ = title;
  leaderStatus_.reset();
  waitUntil_ = clock_() + command.wait;
  followsWindows_ = command.wait.count() > 0;
  handoff_.toGame(game);
  return std::nullopt;
}

bool ProcessStarter::Running() {
  if (group_ == 0) return false;
  Reap();
  if (GroupLives() || clock_() < waitUntil_ || (followsWindows_ && handoff_.newWindowsShown())) return true;
  Ended();
  handoff_.back();
  return false;
}

void ProcessStarter::Reap() {
  int status = 0;
  pid_t pid = 0;
  while ((pid = waitpid(-group_, &status, WNOHANG | WUNTRACED)) > 0 || (pid < 0 && errno == EINTR)) {
    if (pid < 0) continue;
    if (WIFSTOPPED(status))
      kill(pid, SIGCONT);
    else if (pid == group_)
      leaderStatus_ = status;
  }
}

// A process of the group that this program may not signal lives all the same.
bool ProcessStarter::GroupLives() const { return kill(-group_, 0) == 0 || errno == EPERM; }

void ProcessStarter::Ended() {
  log_ << "Quil OS: the game of \"" << title_ << "\" ended"
       << (leaderStatus_ ? " with " + EndOf(*leaderStatus_) : std::string()) << std::endl;
  group_ = 0;
}

}  // namespace quil::app
