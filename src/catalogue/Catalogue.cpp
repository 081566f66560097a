#include "catalogue/Catalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quil::catalogue {
namespace {

using M = Motif;

template <class Row, class Key, class Field>
const Row* Find(const auto& rows, const Key& key, Field field) {
  const auto found = std::ranges::find(rows, key, field);
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace

// clang-format off
const std::array<ConsoleTile, 5> kConsoleTiles = {{
    // tile, name, tile picture: frame fill, box, stretched, card size,
    //   card: motif, sky, ground, accent, ink, outline[, font]
    {1, "Crimson Edge - Northgate", {0x00FFFFFF, {1200, 960, 2055, 1455}, true, {137, 97}, {M::Disc, 0xFFFFFF, 0xE1E6EB, 0xC0392B, 0x9E1B1B, 0x000000, "League Spartan Black"}}},
    {2, "Tuvo Channel", {0x00E6E6E6, {3720, 960, 2055, 1455}, true, {137, 97}, {M::Avatar, 0xF7F7F7, 0xD5DADF, 0x34BEED, 0x5A5A5A, 0x000000}}},
    {4, "Quil Shop Channel", {0x00FFFFFF, {8650, 1020, 2260, 1330}, true, {137, 97}, {M::Shop, 0xFFFFFF, 0xD8F1FB, 0x34BEED, 0x2E86B0, 0x000000}}},
    {6, "Forecast Channel", {0x00FFFFFF, {3740, 2880, 2055, 1455}, true, {137, 97}, {M::Forecast, 0x9ED8F7, 0xEAF7FD, 0x3BA3D8, 0x2A6A94, 0x000000}}},
    {7, "News Channel", {0x00FFFFFF, {6240, 2880, 2055, 1455}, true, {137, 97}, {M::News, 0xFFFFFF, 0xE2E2E2, 0x3C8DD6, 0xFFFFFF, 0x000000}}},
}};

const std::array<EmptySlot, 7> kEmptySlots = {{
    {10, {3735, 4800, 2040, 1455}, true},   {39, {45840, 960, 2055, 1455}, true},
    {40, {48360, 960, 2055, 1455}, false},  {44, {48375, 2880, 2040, 1455}, true},
    {46, {43320, 4800, 2055, 1455}, false}, {47, {45840, 4800, 2055, 1455}, true},
    {48, {48360, 4800, 2055, 1455}, true},
}};
// clang-format on

const char* TileName(const Game& game) { return game.tileName ? game.tileName : game.title; }

const Game* GameOnTile(int tile) { return Find<Game>(kGames, tile, &Game::tile); }

const Game* GameWithCode(int code) { return Find<Game>(kGames, code, &Game::code); }

const Game* GameNamed(std::string_view form) {
  return Find<Game>(kGames, form, [](const Game& game) { return std::string_view(game.form); });
}

const ConsoleTile* ConsoleTileNumbered(int tile) { return Find<ConsoleTile>(kConsoleTiles, tile, &ConsoleTile::tile); }

Tile TileNumbered(int number) {
  if (const Game* game = GameOnTile(number)) {
    const TilePicture& picture = game->picture;
    return {number, picture.frameFill, picture.box, picture.stretch, TileName(*game), game};
  }
  if (const ConsoleTile* tile = ConsoleTileNumbered(number))
    return {number, tile->picture.frameFill, tile->picture.box, tile->picture.stretch, tile->name, nullptr};
  if (const EmptySlot* slot = Find<EmptySlot>(kEmptySlots, number, &EmptySlot::tile))
    return {number, kEmptySlotFill, slot->box, slot->stretch, nullptr, nullptr};
  throw std::out_of_range("no tile " + std::to_string(number));
}

}  // namespace quil::catalogue
