#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quil::userpictures {

// Larger files are not read: a tile's picture needs nothing near this.
inline constexpr std::size_t kMaxFileBytes = std::size_t{32} << 20;

struct PictureFile {
  std::vector<unsigned char> bytes = {};
  bool missing = false;  // there is no such file
  std::string problem = {};  // why it was not read; empty when it was
};

// Reads a picture file of the user's whole: an ordinary file of at most 32 MB,
// opened without blocking so that a FIFO or a device named like a picture
// cannot hang the menu.
PictureFile ReadPictureFile(const std::string& path);

}  // namespace quil::userpictures
