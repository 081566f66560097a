#include "catalogue/OwnChannels.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace quil::catalogue {
namespace {

constexpr int kTileCount = 48;

// The empty tiles first, then the games' tiles, each in tile order.
std::vector<int> FillOrder() {
  std::vector<int> order;
  for (const EmptySlot& slot : kEmptySlots) order.push_back(slot.tile);
  for (const Game& game : kGames) order.push_back(game.tile);
  return order;
}

using M = Motif;

// Colours that sit well together, the lettering legible on the sky:
// sky, ground, accent, ink, outline (0xRRGGBB).
constexpr std::array<std::array<std::uint32_t, 5>, 10> kPalettes{{
    {0x1B3A6B, 0x0A1630, 0xF2A541, 0xFFFFFF, 0x0A1630},
    {0x7A1F3D, 0x2E0A17, 0xFFB4A2, 0xFFF3E0, 0x2E0A17},
    {0x2F6B3A, 0x0F2914, 0xC8E66E, 0xFFFFFF, 0x0F2914},
    {0xF4D35E, 0xEE964B, 0xD1495B, 0x1F1300, 0xFFF8E1},
    {0x3D2C8D, 0x160E3A, 0x4FD1C5, 0xFFFFFF, 0x160E3A},
    {0x0B7A75, 0x053B38, 0xF7C548, 0xFFFFFF, 0x053B38},
    {0xE8EEF2, 0xA9B8C4, 0x3C6E9F, 0x102A43, 0xFFFFFF},
    {0x5B2A86, 0x240F37, 0xF15BB5, 0xFEE440, 0x240F37},
    {0xC1440E, 0x4A1504, 0xFFD166, 0xFFFFFF, 0x4A1504},
    {0x222831, 0x0C0F13, 0x00ADB5, 0xEEEEEE, 0x000000},
}};
constexpr std::array<Motif, 14> kMotifs{M::Sunburst, M::Stars,  M::Hills, M::Grid, M::Flames, M::Waves, M::City,
                                        M::Jungle,   M::Blocks, M::Speed, M::Ring, M::Planet, M::Checker, M::Bubbles};

// FNV-1a: the same number for a title on every run and machine, unlike std::hash.
std::uint64_t TitleHash(std::string_view title) {
  std::uint64_t hash = 0xCBF29CE484222325u;
  for (const char c : title) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
  return hash;
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

Card OwnCard(std::string_view title) {
  const std::uint64_t hash = TitleHash(title);
  const auto& [sky, ground, accent, ink, outline] = kPalettes[hash % kPalettes.size()];
  return {kMotifs[hash / kPalettes.size() % kMotifs.size()], sky, ground, accent, ink, outline};
}

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
