#include "app/ChannelList.h"

#include <sys/stat.h>

#include <algorithm>
#include <iomanip>
#include <map>

#include "app/MediaFolder.h"
#include "catalogue/Catalogue.h"

namespace quil::app {
namespace {

constexpr int kTileCount = 48;

struct TileLine {
  std::string title;
  const char* kind;
  std::string start;
};

bool OrdinaryFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The file a picture is taken from, or what stands in for it.
std::string Found(const userpictures::PictureFiles& files) {
  const auto there = std::ranges::find_if(files.paths, OrdinaryFile);
  if (there != files.paths.end()) return *there;
  return files.named ? "drawn (" + files.paths.front() + " is not there)" : "drawn";
}

std::string Start(const channels::GameCommands& commands, const std::string& title) {
  const auto command = commands.find(title);
  if (command == commands.end()) return "blanks the screen";
  return command->second.line + "  (in " + command->second.folder + ")";
}

TileLine LineFor(int tile, const ChannelsFile& file, const catalogue::OwnChannel* own) {
  if (own) return {own->title, "yours", Start(file.commands, own->title)};
  if (const catalogue::Game* game = catalogue::GameOnTile(tile))
    return {game->title, "built-in", Start(file.commands, game->title)};
  if (const catalogue::ConsoleTile* console = catalogue::ConsoleTileNumbered(tile))
    return {console->name, "console", "a message box"};
  return {"(empty)", "", ""};
}

}  // namespace

void ListChannels(const ChannelsFile& file, const std::string& mediaHome, std::ostream& out) {
  std::map<int, const catalogue::OwnChannel*> own;
  for (const catalogue::OwnChannel& channel : file.own)
    if (channel.tile) own[channel.tile] = &channel;
  std::vector<TileLine> lines;
  std::size_t width = 5;
  for (int tile = 1; tile <= kTileCount; ++tile) {
    const auto found = own.find(tile);
    lines.push_back(LineFor(tile, file, found == own.end() ? nullptr : found->second));
    width = std::max(width, lines.back().title.size());
  }
  const std::string indent(6 + width + 2 + 10, ' ');
  out << "Tile  " << std::left << std::setw(static_cast<int>(width + 2)) << "Title" << std::setw(10) << "Channel"
      << "Start\n";
  for (int tile = 1; tile <= kTileCount; ++tile) {
    const TileLine& line = lines[static_cast<std::size_t>(tile - 1)];
    out << std::right << std::setw(4) << tile << "  " << std::left << std::setw(static_cast<int>(width + 2))
        << line.title << std::setw(10) << line.kind << line.start << "\n";
    if (const auto found = own.find(tile); found != own.end()) {
      out << indent << "tile picture: " << Found(TilePictureFiles(*found->second, mediaHome)) << "\n";
      out << indent << "screenshot: " << Found(ScreenshotFiles(*found->second, mediaHome)) << "\n";
    }
  }
  for (const catalogue::OwnChannel& channel : file.own)
    if (!channel.tile) out << "Not on the menu, no tile left: " << channel.title << "\n";
}

}  // namespace quil::app
