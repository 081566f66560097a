#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/Art.h"
#include "catalogue/Geometry.h"

// The tiles of the home menu that show a card, and the 36 games behind most of
// them, one row each. The home menu lays its tiles out from these rows, the
// channel screens are laid out from them and the asset tool draws their art
// from them, so that a game is renamed or moved in its row alone.
namespace quil::catalogue {

// The caption of every screen of the program.
inline constexpr const char* kProgramName = "Quil OS";

inline constexpr int kGameCount = 36;

// A tile's frame and picture control as the home menu lays them out, and the
// card that the picture shows.
struct TilePicture {
  std::uint32_t frameFill;  // 0x00BBGGRR, like every colour of the forms
  TwipsRect box;            // the picture control's
  bool stretch;             // the card is scaled to the box; else the box has the card's own size
  PixelSize size;           // the card's
  Card card;
};

// The platform a game ran on: its channel screen and its art take that platform's look.
enum class Style { Kestrel, SuperKestrel, Kestrel64, Meridian };

// Where a game's channel screen leaves its template and style; every field is optional.
struct Departures {
  std::optional<TwipsRect> label1 = {};  // title
  std::optional<TwipsRect> label2 = {};  // platform caption
  std::optional<TwipsRect> image3 = {};  // screenshot
  std::optional<double> label4Width = {};
  std::optional<double> label5Left = {};
  std::optional<double> rulesEnd = {};  // x where Line5 and Line6 end
};

struct Game {
  int tile;  // the home menu tile that opens its channel screen
  int code;  // the screen code that links tile and screen; codes follow neither tiles nor pages
  const char* form;  // the channel screen's form name
  const char* title;
  Style style;
  int year;
  const char* players;
  TilePicture picture;
  Screenshot screenshot;
  Departures departures = {};
  const char* tileName = nullptr;  // the tile's tooltip and card, where they call the game otherwise
};

// A tile of the console's own channels, which answer with a message box.
struct ConsoleTile {
  int tile;
  const char* name;  // tooltip and card
  TilePicture picture;
};

// A tile nothing holds: a grey frame around a picture control without
// picture or tooltip.
struct EmptySlot {
  int tile;
  TwipsRect box;  // the picture control's
  bool stretch;
};
inline constexpr std::uint32_t kEmptySlotFill = 0x00C0C0C0;

// In tile order; every tile of the menu is in exactly one of them.
extern const std::array<Game, kGameCount> kGames;
extern const std::array<ConsoleTile, 5> kConsoleTiles;
extern const std::array<EmptySlot, 7> kEmptySlots;

// Any tile as the menu lays it out, whichever table holds it.
struct Tile {
  int number;
  std::uint32_t frameFill;
  TwipsRect box;     // the picture control's
  bool stretch;
  const char* name;  // tooltip and card; nullptr for an empty slot
  const Game* game;  // nullptr for a console channel or an empty slot
};
// Throws for a number no table holds.
Tile TileNumbered(int number);

// What the game's tile says in its tooltip and on its card.
const char* TileName(const Game& game);

// The row of the game on this tile, with this screen code or with this form
// name; nullptr for none.
const Game* GameOnTile(int tile);
const Game* GameWithCode(int code);
const Game* GameNamed(std::string_view form);
const ConsoleTile* ConsoleTileNumbered(int tile);

}  // namespace quil::catalogue
