#include "support/ScratchFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace quil::test {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quil-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::Touch(std::string_view relative) const {
  const std::string path = PathOf(relative);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream file(path);
  if (!file) throw std::runtime_error("cannot create " + path);
  return path;
}

}  // namespace quil::test
