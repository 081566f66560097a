#include "home/ScreenCodes.h"

#include <algorithm>

#include "catalogue/Catalogue.h"

namespace quil::home {

// The catalogue of channel screens gives each its code; codes follow neither
// the tiles nor the pages.
std::string_view ChannelScreenName(int screenCode) {
  const auto& rows = catalogue::kChannels;
  const auto found = std::ranges::find(rows, screenCode, &catalogue::ChannelRow::code);
  return found == rows.end() ? std::string_view{} : std::string_view(found->form);
}

}  // namespace quil::home
