#include "home/ScreenCodes.h"

#include "catalogue/Catalogue.h"

namespace quil::home {

// The catalogue of channel screens gives each its code; codes follow neither
// the tiles nor the pages.
std::string_view ChannelScreenName(int screenCode) {
  const catalogue::Game* game = catalogue::GameWithCode(screenCode);
  return game ? std::string_view(game->form) : std::string_view{};
}

}  // namespace quil::home
