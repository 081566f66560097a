#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"

// Channels of the user's own: games of theirs on the menu's tiles, named and
// described in their channels file.
namespace quil::catalogue {

struct OwnChannel {
  std::string title;
  // What its screen shows; an empty text leaves its line empty.
  std::string platform = {};  // the caption of the banner
  std::string year = {};
  std::string players = {};
  std::optional<Style> style = {};  // one of the platforms' looks; a neutral look of its own without
  int tile = 0;                // the tile asked for, then the one it sits on; 0 for any, then for none
  // Files the user named for its tile and its screenshot; empty where the
  // media folder's convention finds them.
  std::string picture = {};
  std::string screenshot = {};
};

// The card drawn for an own channel without a picture of its own: a motif
// and colours chosen from its title alone, so that a channel keeps its look
// from run to run and on every machine.
Card OwnCard(std::string_view title);

// The platform look named as in a channels file ("SUPER KESTREL"), in any case.
std::optional<Style> StyleNamed(std::string_view name);

// The tiles an own channel may take: the empty ones and the built-in games'.
// The console's own channels keep theirs.
bool OpenToOwnChannels(int tile);

// Where an own channel sits.
struct Seat {
  int tile = 0;        // 0 when no tile is left for it
  bool moved = false;  // the tile it asked for went to a channel before it
};

// Seats the channels asking for `asked` tiles (0 for any), in the order of the
// file: each tile asked for goes to the first channel that asks for it; then
// the others, in order, take the empty tiles from the first, then the
// built-in games' tiles in tile order.
std::vector<Seat> SeatOwnChannels(const std::vector<int>& asked);

}  // namespace quil::catalogue
