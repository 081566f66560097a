#include "app/UserFile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quil::app {
namespace {

std::string CannotBeRead() { return std::string("cannot be read: ") + std::strerror(errno); }

// The rest of the file, up to one byte beyond `limit`; nothing when reading fails.
std::optional<std::string> ReadAll(int fd, std::size_t limit) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd, buffer, std::min(sizeof buffer, limit + 1 - text.size()));
    if (got < 0 && errno != EINTR) return std::nullopt;
    if (got > 0) text.append(buffer, static_cast<std::size_t>(got));
    if (got == 0 || text.size() > limit) return text;
  }
}

std::string TooLarge(std::size_t limit) {
  return "is ignored: it is larger than " + std::to_string(limit / 1024) + " KiB (a list of games never is)";
}

}  // namespace

UserFile ReadUserFile(const std::string& path, std::size_t limit) {
  // Not blocking: a FIFO put in the file's place must not hang the program.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? UserFile{} : UserFile{std::nullopt, CannotBeRead()};
  UserFile file;
  struct stat status {};
  if (fstat(fd, &status) != 0) {
    file.problem = CannotBeRead();
  } else if (!S_ISREG(status.st_mode)) {
    file.problem = "is ignored: it is not an ordinary file";
  } else if (const auto untrusted = UntrustedBecause(status.st_uid, status.st_mode, geteuid())) {
    file.problem = "is ignored: " + *untrusted;
  } else if (static_cast<std::size_t>(status.st_size) > limit) {
    file.problem = TooLarge(limit);
  } else if (!(file.text = ReadAll(fd, limit))) {
    file.problem = CannotBeRead();
  } else if (file.text->size() > limit) {  // it grew while being read
    file.text.reset();
    file.problem = TooLarge(limit);
  }
  close(fd);
  return file;
}

std::optional<std::string> UntrustedBecause(uid_t owner, mode_t mode, uid_t uid) {
  if (owner != uid && owner != 0) return "it belongs to another user";
  if (mode & S_IWOTH) return "others may write to it (chmod go-w fixes that)";
  if (mode & S_IWGRP) return "its group may write to it (chmod go-w fixes that)";
  return std::nullopt;
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* account = getpwuid(getuid()); account && account->pw_dir) return account->pw_dir;
  return "/";
}

}  // namespace quil::app
