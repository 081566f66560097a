#include "userpictures/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quil::userpictures {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

PictureFile Problem(std::string what) { return PictureFile{.problem = std::move(what)}; }

}  // namespace

PictureFile ReadPictureFile(const std::string& path) {
  const Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    if (errno == ENOENT) return PictureFile{.missing = true, .problem = "there is no such file"};
    return Problem(std::string("cannot be opened: ") + std::strerror(errno));
  }
  struct stat info {};
  if (fstat(fd.get(), &info) != 0) return Problem(std::string("cannot be read: ") + std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return Problem("is not an ordinary file");
  if (static_cast<std::size_t>(info.st_size) > kMaxFileBytes) return Problem("is larger than 32 MB");
  PictureFile file;
  file.bytes.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < file.bytes.size()) {
    const ssize_t got = read(fd.get(), file.bytes.data() + done, file.bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Problem(std::string("cannot be read: ") + std::strerror(errno));
    if (got == 0) break;  // it shrank while being read: what is there is decoded, or refused
    done += static_cast<std::size_t>(got);
  }
  file.bytes.resize(done);
  return file;
}

}  // namespace quil::userpictures
