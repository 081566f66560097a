#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/Picture.h"
#include "userpictures/FittedDecoder.h"

namespace quil::userpictures {

// Where a picture of the user's may be: a file the user named, which has to be
// there, or the files a convention names, of which the first that is there
// counts and none need be.
struct PictureFiles {
  std::vector<std::string> paths;
  bool named = false;
};

// One line about a file that could not be shown, naming it.
using Report = std::function<void(const std::string& line)>;

// A picture of width x height (at the screen's own scale) that is drawn at any
// size from the user's file, fitted to its box, when it is first painted.
// Without a usable file it is `drawn` instead, and a file that is there but
// cannot be shown is reported once.
rt::PictureRef UserPicture(PictureFiles files, int width, int height, Fit fit, rt::Picture::SizedDecoder drawn,
                           Report report);

}  // namespace quil::userpictures
