#include "ProgramFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "audio/Effects.h"
#include "audio/Playlist.h"

namespace quil::test {

ProgramFolder::ProgramFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quil-monkey-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a program folder");
  path_ = pattern;
  std::filesystem::create_directories(path_ + "/Sfx");
  std::filesystem::create_directories(path_ + "/Music");
  namespace fx = audio::effects;
  for (std::string_view effect : {fx::kHover, fx::kClick, fx::kStartup, fx::kNextPage, fx::kGameTile, fx::kForecast,
                                  fx::kNews, fx::kMusicPanelRaise, fx::kMusicPanelLower, fx::kQuilMenuButton,
                                  fx::kStart})
    std::ofstream(path_ + std::string(effect));
  for (const audio::PlaylistTrack& track : audio::kPlaylist) std::ofstream(path_ + std::string(track.file));
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace quil::test
