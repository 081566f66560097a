#pragma once

#include <string>
#include <string_view>

namespace quil::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The folder followed by `relative` ("/Music/Menu.mp3").
  std::string PathOf(std::string_view relative) const { return path_ + std::string(relative); }
  // Creates an empty file, and the folders that lead to it.
  std::string Touch(std::string_view relative) const;

 private:
  std::string path_;
};

}  // namespace quil::test
