#include "audio/ShortPath.h"

#include <fcntl.h>

#include <filesystem>
#include <map>

namespace quil::audio {
namespace {

// Characters, not bytes: a UTF-8 sequence is one character.
std::size_t Characters(const std::string& text) {
  std::size_t count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

}  // namespace

std::string ShortPathName(const std::string& path, std::size_t limit) {
  if (Characters(path) <= limit) return path;
  const std::filesystem::path full(path);
  // One handle per folder for the whole run: the music folder is asked for again and again.
  static std::map<std::string, int> folders;
  const std::string folder = full.parent_path().string();
  auto held = folders.find(folder);
  if (held == folders.end()) {
    const int handle = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return path;
    held = folders.emplace(folder, handle).first;
  }
  return "/proc/self/fd/" + std::to_string(held->second) + "/" + full.filename().string();
}

}  // namespace quil::audio
