#include "audio/Mp3Probe.h"

#include <mpg123.h>

#include <memory>

namespace quil::audio {
namespace {

struct HandleFree {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};

}  // namespace

bool HoldsMp3Audio(const std::string& path, std::string& why) {
  int error = MPG123_OK;
  std::unique_ptr<mpg123_handle, HandleFree> handle(mpg123_new(nullptr, &error));
  if (!handle) {
    why = mpg123_plain_strerror(error);
    return false;
  }
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  long rate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK ||
      mpg123_getformat(handle.get(), &rate, &channels, &encoding) != MPG123_OK) {
    why = std::string("no MPEG audio in it (") + mpg123_strerror(handle.get()) + ")";
    return false;
  }
  return true;
}

}  // namespace quil::audio
