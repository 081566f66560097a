// Where the user's own channels go on the menu.
#include "catalogue/OwnChannels.h"

#include <gtest/gtest.h>

namespace quil::catalogue {
namespace {

std::vector<int> Tiles(const std::vector<Seat>& seats) {
  std::vector<int> tiles;
  for (const Seat& seat : seats) tiles.push_back(seat.tile);
  return tiles;
}

TEST(OwnChannels, TheEmptyTilesGoFirstThenTheGamesTilesInTileOrder) {
  EXPECT_EQ(Tiles(SeatOwnChannels({0, 0, 0, 0, 0, 0, 0, 0, 0})),
            (std::vector<int>{10, 39, 40, 44, 46, 47, 48, 3, 5}));
}

TEST(OwnChannels, ATileAskedForIsKeptFromThoseThatAskForNone) {
  const std::vector<Seat> seats = SeatOwnChannels({0, 10, 12, 0});
  EXPECT_EQ(Tiles(seats), (std::vector<int>{39, 10, 12, 40}));
  for (const Seat& seat : seats) EXPECT_FALSE(seat.moved);
}

TEST(OwnChannels, TheFirstToAskForATileGetsItAndTheNextTakesTheNextFreeOne) {
  const std::vector<Seat> seats = SeatOwnChannels({44, 44, 10});
  EXPECT_EQ(Tiles(seats), (std::vector<int>{44, 39, 10}));
  EXPECT_FALSE(seats[0].moved);
  EXPECT_TRUE(seats[1].moved);
}

TEST(OwnChannels, TheConsoleChannelsKeepTheirTiles) {
  for (int tile : {1, 2, 4, 6, 7, 0, 49, -1}) EXPECT_FALSE(OpenToOwnChannels(tile)) << tile;
  for (int tile : {3, 10, 12, 45, 48}) EXPECT_TRUE(OpenToOwnChannels(tile)) << tile;
  EXPECT_EQ(Tiles(SeatOwnChannels({6})), std::vector<int>{10});
}

TEST(OwnChannels, PastFortyThreeChannelsTheRestFindNoTile) {
  const std::vector<Seat> seats = SeatOwnChannels(std::vector<int>(45, 0));
  std::vector<int> seated;
  for (const Seat& seat : seats) seated.push_back(seat.tile);
  std::sort(seated.begin(), seated.end());
  EXPECT_EQ(std::adjacent_find(seated.begin() + 2, seated.end()), seated.end()) << "a tile given twice";
  EXPECT_EQ(seats[42].tile, 45);
  EXPECT_EQ(seats[43].tile, 0);
  EXPECT_EQ(seats[44].tile, 0);
}

// The card is chosen from the title alone: the same on every run, told
// apart from its neighbours', its lettering legible.
TEST(OwnChannels, ACardsLookIsChosenFromItsTitleAlone) {
  const Card moon = OwnCard("Moonlit Harbour");
  EXPECT_EQ(moon.motif, OwnCard("Moonlit Harbour").motif);
  EXPECT_EQ(moon.motif, Motif::Blocks) << "a title's card changed from the last run";
  EXPECT_EQ(moon.sky, 0xE8EEF2u);
  int alike = 0;
  const auto luma = [](std::uint32_t c) { return 0.3 * (c >> 16) + 0.59 * (c >> 8 & 0xFF) + 0.11 * (c & 0xFF); };
  for (int i = 0; i < 40; ++i) {
    const Card a = OwnCard("Game " + std::to_string(i)), b = OwnCard("Game " + std::to_string(i + 1));
    alike += a.motif == b.motif && a.sky == b.sky;
    EXPECT_GT(std::abs(luma(a.ink) - luma(a.sky)), 90) << i;
    EXPECT_NE(a.motif, Motif::Disc) << "a console channel's motif";
  }
  EXPECT_LT(alike, 4) << "neighbouring titles look alike";
}

}  // namespace
}  // namespace quil::catalogue
