#pragma once

#include <string>

namespace quil::test {

// A program folder of its own under the system's temporary folder, with a
// file for every sound effect in Sfx and every playlist track in Music;
// removed with everything in it when the object goes.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace quil::test
