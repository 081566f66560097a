// The catalogue's tables together hold every tile of the menu once.
#include <gtest/gtest.h>

#include <stdexcept>

#include "catalogue/Catalogue.h"

namespace quil::catalogue {
namespace {

TEST(Tiles, EachOfTheFortyEightIsAGameAConsoleChannelOrAnEmptySlotAndNoMoreExist) {
  int games = 0, channels = 0, empty = 0;
  for (int number = 1; number <= 48; ++number) {
    const Tile tile = TileNumbered(number);
    const bool console = ConsoleTileNumbered(number) != nullptr;
    EXPECT_LE((tile.game != nullptr) + console, 1) << "tile " << number << " is in two tables";
    games += tile.game != nullptr;
    channels += console;
    empty += tile.name == nullptr;
  }
  EXPECT_EQ(games, kGameCount);
  EXPECT_EQ(channels, static_cast<int>(kConsoleTiles.size()));
  EXPECT_EQ(empty, static_cast<int>(kEmptySlots.size()));
  EXPECT_THROW(TileNumbered(49), std::out_of_range);
  EXPECT_THROW(TileNumbered(0), std::out_of_range);
}

}  // namespace
}  // namespace quil::catalogue
