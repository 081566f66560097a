// The user's own channels on the menu: an empty slot and a game's tile taken,
// each opening its own screen, and each picture kept in its frame's box.
#include "HomeFixture.h"
#include "catalogue/OwnChannels.h"

namespace quil::test {
namespace {

class OwnTiles : public HomeFixture {
 protected:
  void Seat() { app::AddOwnChannels(app, media, own, setting); }
  // A click on the tile's picture, and the zoom run out.
  rt::Form& Open(int tile) {
    rt::Form& menu = Menu();
    menu.Get<rt::Image>("Shape" + std::to_string(tile) + "Image").Click();
    for (int tick = 0; app.Front() == &menu && tick < 100; ++tick) driver.Advance(16);
    return *app.Front();
  }

  std::vector<catalogue::OwnChannel> own{{.title = "Moonlit Harbour", .year = "1994", .tile = 10},
                                         {.title = "Star Road", .tile = 14}};
  std::vector<std::string> problems;
  app::OwnChannelSetting setting{folder.PathOf("/media"),
                                 [this](const std::string& line) { problems.push_back(line); }, nullptr};
};

TEST_F(OwnTiles, EachOpensItsOwnScreenWhetherTheTileWasEmptyOrAGames) {
  MenuAtRest();
  Seat();
  for (const auto& [tile, title, released] :
       {std::tuple{10, "Moonlit Harbour", "Released  1994"}, std::tuple{14, "Star Road", ""}}) {
    SCOPED_TRACE(tile);
    TurnTo(tile <= 12 ? 1 : 2);
    EXPECT_EQ(Menu().Get<rt::Image>("Shape" + std::to_string(tile) + "Image").ToolTip(), title);
    rt::Form& screen = Open(tile);
    ASSERT_NE(&screen, &Menu());
    EXPECT_EQ(screen.Get<rt::Label>("Label1").Caption(), title);
    EXPECT_EQ(screen.Get<rt::Label>("Label3").Caption(), released) << "an empty year leaves its line empty";
    driver.Advance(200);
    driver.MoveTo(11000, 6000);
    driver.Click("Label5");
    EXPECT_EQ(app.Front(), &Menu());
  }
  EXPECT_TRUE(problems.empty()) << "a channel without pictures is drawn without a word";
}

// Tile 14's own picture sits 25 twips into its frame; an own channel's has
// the standard box there, before and after the page scrolls in.
TEST_F(OwnTiles, AnOwnPictureKeepsTheStandardBoxThroughThePageScroll) {
  MenuAtRest();
  Seat();
  TurnTo(2);
  const rt::Image& picture = Menu().Get<rt::Image>("Shape14Image");
  EXPECT_EQ(picture.Left(), Frame(14).Left() + 120);
  EXPECT_EQ(picture.Top(), Frame(14).Top() + 120);
  EXPECT_EQ(picture.Width(), 2055);
  EXPECT_EQ(picture.Height(), 1455);
}

}  // namespace
}  // namespace quil::test
