#include "app/MediaFolder.h"

#include <algorithm>
#include <cstdlib>

#include "app/UserFile.h"

namespace quil::app {
namespace {

userpictures::PictureFiles Files(const std::string& named, const std::string& folder, const char* stem) {
  if (!named.empty()) return {{named}, true};
  if (folder.empty()) return {};
  return {{folder + "/" + stem + ".png", folder + "/" + stem + ".jpg"}, false};
}

}  // namespace

std::string MediaFolderName(std::string_view title) {
  std::string name(title);
  std::ranges::replace(name, '/', '-');
  std::ranges::replace(name, ':', '-');
  return name == "." || name == ".." ? std::string() : name;
}

std::string MediaFolder(const std::string& mediaHome, std::string_view title) {
  const std::string name = MediaFolderName(title);
  return name.empty() ? name : mediaHome + "/" + name;
}

std::string MediaHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const std::string base = data && data[0] == '/' ? std::string(data) : HomeFolder() + "/.local/share";
  return base + "/quil-os/media";
}

userpictures::PictureFiles TilePictureFiles(const catalogue::OwnChannel& channel, const std::string& mediaHome) {
  return Files(channel.picture, MediaFolder(mediaHome, channel.title), "tile");
}

userpictures::PictureFiles ScreenshotFiles(const catalogue::OwnChannel& channel, const std::string& mediaHome) {
  return Files(channel.screenshot, MediaFolder(mediaHome, channel.title), "screenshot");
}

}  // namespace quil::app
