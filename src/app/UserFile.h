#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

// A file of the user's that the program only reads and that may name
// commands to run: read only if nobody but the user could have written it,
// as ssh treats its own files.
namespace quil::app {

struct UserFile {
  std::optional<std::string> text;     // nothing when there is no file or it is not read
  std::optional<std::string> problem;  // why an existing file is not read
};

// Never blocks, whatever lies at `path`; a file of more than `limit` bytes is
// not read.
UserFile ReadUserFile(const std::string& path, std::size_t limit);

// Why a file of this owner and mode is not to be trusted by the user `uid`
// (another user could have put commands in it), or nothing. Root's files are
// trusted, as ssh trusts them.
std::optional<std::string> UntrustedBecause(uid_t owner, mode_t mode, uid_t uid);

// $HOME, or the home folder of the user's account.
std::string HomeFolder();

}  // namespace quil::app
