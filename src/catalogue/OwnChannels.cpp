#include "catalogue/OwnChannels.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quil::catalogue {
namespace {

constexpr int kTileCount = 48;

// The empty tiles first, then the games' tiles, each in tile order.
std::vector<int> FillOrder() {
  std::vector<int> empty, games;
  for (int tile = 1; tile <= kTileCount; ++tile) {
    if (GameOnTile(tile)) games.push_back(tile);
    else if (!ConsoleTileNumbered(tile)) empty.push_back(tile);
  }
  empty.insert(empty.end(), games.begin(), games.end());
  return empty;
}

struct StyleName {
  Style style;
  std::string_view name;
};
constexpr std::array<StyleName, 4> kStyleNames{{{Style::Kestrel, "KESTREL"},
                                                {Style::SuperKestrel, "SUPER KESTREL"},
                                                {Style::Kestrel64, "KESTREL64"},
                                                {Style::Meridian, "MERIDIAN"}}};

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return std::toupper(static_cast<unsigned char>(x)) == y; });
}

}  // namespace

std::optional<Style> StyleNamed(std::string_view name) {
  for (const StyleName& entry : kStyleNames)
    if (SameLetters(name, entry.name)) return entry.style;
  return std::nullopt;
}

bool OpenToOwnChannels(int tile) { return tile >= 1 && tile <= kTileCount && !ConsoleTileNumbered(tile); }

std::vector<Seat> SeatOwnChannels(const std::vector<int>& asked) {
  std::vector<Seat> seats(asked.size());
  std::array<bool, kTileCount + 1> taken{};
  for (std::size_t i = 0; i < asked.size(); ++i) {
    if (!OpenToOwnChannels(asked[i])) continue;
    if (taken[asked[i]]) seats[i].moved = true;
    else seats[i].tile = asked[i], taken[asked[i]] = true;
  }
  const std::vector<int> order = FillOrder();
  auto next = order.begin();
  for (Seat& seat : seats) {
    if (seat.tile) continue;
    next = std::find_if(next, order.end(), [&](int tile) { return !taken[tile]; });
    if (next == order.end()) break;
    seat.tile = *next;
    taken[*next] = true;
  }
  return seats;
}

}  // namespace quil::catalogue
