#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ChannelFixture.h"
#include "channels/UserGames.h"
#include "pictures/Pictures.h"

namespace quil::test {
namespace {

// Starts nothing: it records what it was asked to start, and the test says
// when the game ends or why it cannot start.
class FakeGameStarter : public channels::GameStarter {
 public:
  std::optional<std::string> Start(const std::string& title, const channels::GameCommand& command) override {
    started.push_back(title + ": " + command.line);
    if (failure) return failure;
    running = true;
    return std::nullopt;
  }
  bool Running() override { return running; }

  std::vector<std::string> started;
  std::optional<std::string> failure;
  bool running = false;
};

// Declared before the fixture, which hands them to the channel screens.
struct Games {
  channels::GameCommands commands{{"Skyhop World", {"skyhop --fast", {"skyhop", "--fast"}, "/home/player"}}};
  FakeGameStarter starter;
  channels::UserGames games{commands, starter};
};

class UserGame : public Games, public ChannelFixture {
 protected:
  UserGame() : ChannelFixture(&games) {}

  bool PointerIsHand() { return platform.Pointer() == pictures::Picture("PointerHand"); }
  bool Black() { return !Shown("Image1") && !Shown("Shape1") && !Shown("Label1"); }
  bool PageBack() { return Shown("Image1") && Shown("Shape1") && Shown("Label1") && Shown("Image3"); }
};

TEST_F(UserGame, TheGameStartsOnceThePointerHasGoneKeepsTheScreenBlackAndItsEndBringsThePageBack) {
  Open("FormSkyhopWorld");
  driver.Advance(2500);
  driver.Click("Label6");
  driver.Advance(499);
  EXPECT_TRUE(starter.started.empty()) << "the pointer is still there";
  driver.Advance(1);
  EXPECT_EQ(starter.started, std::vector<std::string>{"Skyhop World: skyhop --fast"});
  EXPECT_FALSE(PointerIsHand());

  driver.Advance(1000);  // the lock-out is over
  MoveOverPage();
  driver.ClickAt(6300, 7250);  // where "Start" was
  EXPECT_TRUE(Black()) << "a movement or a click while the game runs";
  EXPECT_EQ(starter.started.size(), 1u);

  // The game is asked every second from its start, 500 ms after "Start".
  driver.Advance(1000);
  starter.running = false;
  driver.Advance(999);
  EXPECT_TRUE(Black());
  driver.Advance(1);
  EXPECT_TRUE(PageBack()) << "no movement needed";
  EXPECT_TRUE(PointerIsHand());
  EXPECT_TRUE(platform.MessageBoxes().empty());

  // Again, and a channel the user has not mapped only blanks its screen.
  driver.Click("Label6");
  driver.Advance(500);
  EXPECT_EQ(starter.started.size(), 2u);
  starter.running = false;
  driver.Advance(1000);
  driver.Click("Label5");
  Open("FormBlitz");
  driver.Advance(2000);
  driver.Click("Label6");
  driver.Advance(2000);
  EXPECT_EQ(starter.started.size(), 2u);
  EXPECT_TRUE(Black());
  MoveOverPage();
  EXPECT_TRUE(PageBack());
}

TEST_F(UserGame, AGameThatCannotStartBringsThePageBackWithABoxNamingTheCommandAndTheReason) {
  starter.failure = "No such file or directory";
  bool pageUnderBox = false;
  platform.OnMessageBoxOpen([&] { pageUnderBox = PageBack() && PointerIsHand(); });
  Open("FormSkyhopWorld");
  driver.Click("Label6");
  driver.Advance(500);
  ASSERT_EQ(platform.MessageBoxes().size(), 1u);
  const rt::MessageBoxRequest& box = platform.MessageBoxes().front();
  EXPECT_EQ(box.prompt, "\"skyhop --fast\" could not be started: No such file or directory.");
  EXPECT_EQ(box.title, "Skyhop World");
  EXPECT_EQ(box.style, rt::MessageBoxStyle::Stop);
  EXPECT_TRUE(pageUnderBox);
  EXPECT_FALSE(Front().GameRunning());

  // A long command is named by its first 200 bytes at most, never cut inside a character.
  std::string accents;
  for (int i = 0; i < 60; ++i) accents += "\u00e9";
  commands.begin()->second.line = std::string(99, 'y') + accents;
  driver.Advance(1000);
  driver.Click("Label6");
  driver.Advance(500);
  ASSERT_EQ(platform.MessageBoxes().size(), 2u);
  EXPECT_EQ(platform.MessageBoxes().back().prompt,
            "\"" + std::string(99, 'y') + accents.substr(0, 100) + "\u2026\" could not be started: No such file or directory.");
}

}  // namespace
}  // namespace quil::test
