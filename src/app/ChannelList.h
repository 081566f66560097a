#pragma once

#include <ostream>
#include <string>

#include "app/ChannelsFile.h"

namespace quil::app {

// The menu as it will be, tile by tile: the title on each tile, whose channel
// it is, what its "Start" runs and, for the user's own channels, which
// pictures were found in `mediaHome` (MediaHome()) or named; then the own
// channels no tile was left for.
void ListChannels(const ChannelsFile& file, const std::string& mediaHome, std::ostream& out);

}  // namespace quil::app
