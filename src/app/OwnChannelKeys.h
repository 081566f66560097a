#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/OwnChannels.h"

namespace quil::app {

// A key's value in the channel's group; nothing when the group has no such key.
using KeyValue = std::function<std::optional<std::string>(const char* key)>;
// A key whose value cannot be used, and why.
using BadKey = std::function<void(std::string_view key, const std::string& why)>;

// The keys that describe a channel of the user's own, beside Exec= and Path=:
//
//   Platform=Kestrel 64        the caption of its screen
//   Year=1997
//   Players=1-4
//   Tile=10                    an empty tile or a game's, 3 to 48
//   Picture=/home/me/art.jpg   its tile's picture
//   Screenshot=/home/me/s.png
//   Style=KESTREL64            KESTREL, SUPER KESTREL, KESTREL64 or MERIDIAN
//
// A bad value costs its key alone; an empty one leaves its line empty.
catalogue::OwnChannel ReadOwnChannelKeys(std::string title, const KeyValue& value, const BadKey& bad);

}  // namespace quil::app
