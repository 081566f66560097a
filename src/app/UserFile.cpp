#include "app/UserFile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quil::app {
namespace {

std::string CannotBeRead() { return std::string("cannot be read: ") + std::strerror(errno); }

// The rest of the file; nothing when reading fails.
std::optional<std::string> ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0)
      text.append(buffer, static_cast<std::size_t>(got));
    else if (got == 0)
      return text;
    else if (errno != EINTR)
      return std::nullopt;
  }
}

}  // namespace

UserFile ReadUserFile(const std::string& path) {
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
  } else if (!(file.text = ReadAll(fd))) {
    file.problem = CannotBeRead();
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
