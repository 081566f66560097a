#include "userpictures/UserPicture.h"

#include <malloc.h>

#include <memory>

#include "userpictures/PictureFile.h"

namespace quil::userpictures {
namespace {

class Source {
 public:
  Source(PictureFiles files, Fit fit, rt::Picture::SizedDecoder drawn, Report report)
      : files_(std::move(files)), fit_(fit), drawn_(std::move(drawn)), report_(std::move(report)) {}

  rt::Picture::Pixels32 At(int width, int height) {
    if (!fellBack_) {
      Decoded decoded = Decode(width, height);
      // The file and the original, megabytes for a screenshot, are freed by
      // now, but the allocator keeps such blocks for later; given back, the
      // program's memory stays that of the pictures it shows.
      malloc_trim(0);
      if (!decoded.pixels.empty()) return std::move(decoded.pixels);
      fellBack_ = true;
    }
    return drawn_(width, height);
  }

 private:
  Decoded Decode(int width, int height) {
    for (const std::string& path : files_.paths) {
      const PictureFile file = ReadPictureFile(path);
      if (file.missing && !files_.named) continue;
      Decoded decoded = file.problem.empty() ? DecodeFitted(file.bytes, width, height, fit_) : Decoded{};
      const std::string& problem = file.problem.empty() ? decoded.problem : file.problem;
      if (!problem.empty()) report_(path + ": " + problem + "; a drawn picture stands in for it");
      return decoded;
    }
    return {};
  }

  PictureFiles files_;
  Fit fit_;
  rt::Picture::SizedDecoder drawn_;
  Report report_;
  bool fellBack_ = false;  // the files failed once: they are not read again at another size
};

}  // namespace

rt::PictureRef UserPicture(PictureFiles files, int width, int height, Fit fit, rt::Picture::SizedDecoder drawn,
                           Report report) {
  auto source = std::make_shared<Source>(std::move(files), fit, std::move(drawn), std::move(report));
  return std::make_shared<rt::Picture>(width, height, [source](int w, int h) { return source->At(w, h); });
}

}  // namespace quil::userpictures
