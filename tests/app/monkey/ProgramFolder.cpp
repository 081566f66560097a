#include "ProgramFolder.h"

#include <string_view>

#include "catalogue/Sounds.h"
#include "home/Playlist.h"

namespace quil::test {

ProgramFolder::ProgramFolder() {
  namespace fx = catalogue::sounds;
  for (std::string_view effect : {fx::kHover, fx::kClick, fx::kStartup, fx::kNextPage, fx::kGameTile, fx::kForecast,
                                  fx::kNews, fx::kMusicPanelRaise, fx::kMusicPanelLower, fx::kQuilMenuButton,
                                  fx::kStart})
    Touch(effect);
  for (const home::PlaylistTrack& track : home::kPlaylist) Touch(track.file);
}

}  // namespace quil::test
