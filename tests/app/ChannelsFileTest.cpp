#include "app/ChannelList.h"
#include "app/ChannelsFile.h"
#include "app/MediaFolder.h"
#include "app/UserFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace quil::test {
namespace {

class ChannelsFileTest : public ::testing::Test {
 protected:
  app::ChannelsFile Read(const std::string& text, mode_t mode = 0600) {
    std::ofstream(path, std::ios::binary) << text;
    chmod(path.c_str(), mode);
    return app::ReadChannelsFile(path, "/home/player");
  }
  std::vector<std::string> Titles(const app::ChannelsFile& file) {
    std::vector<std::string> titles;
    for (const auto& [title, command] : file.commands) titles.push_back(title);
    return titles;
  }

  ScratchFolder folder;
  const std::string path = folder.PathOf("/channels.conf");
};

TEST_F(ChannelsFileTest, TitlesMapToCommandsSplitByShellQuotingWithNothingAShellWouldDo) {
  const std::string text =
      "# My games\n"
      "[Skyhop Quest]\n"
      "Exec=mednafen \"/games/Skyhop Quest.nes\" 'a b' $HOME; rm -rf ~\n"
      "Path=/games\n"
      "\n"
      "[Frog Fist & Twin Tiger]\n"
      "Exec=/usr/games/frogfist \"say \\\\\"hi\\\\\"\"\n"
      "Wait=30\n";
  // As other systems' editors save it, too.
  std::string crlf = "\xEF\xBB\xBF";
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const app::ChannelsFile saved = Read(crlf);
  EXPECT_TRUE(saved.problems.empty()) << saved.problems.front();
  EXPECT_EQ(saved.commands.at("Skyhop Quest").folder, "/games");

  const app::ChannelsFile file = Read(text);
  EXPECT_TRUE(file.problems.empty()) << file.problems.front();
  ASSERT_EQ(Titles(file), (std::vector<std::string>{"Frog Fist & Twin Tiger", "Skyhop Quest"}));
  const channels::GameCommand& skyhop = file.commands.at("Skyhop Quest");
  EXPECT_EQ(skyhop.argv,
            (std::vector<std::string>{"mednafen", "/games/Skyhop Quest.nes", "a b", "$HOME;", "rm", "-rf", "~"}));
  EXPECT_EQ(skyhop.line, "mednafen \"/games/Skyhop Quest.nes\" 'a b' $HOME; rm -rf ~");
  EXPECT_EQ(skyhop.folder, "/games");
  const channels::GameCommand& frog = file.commands.at("Frog Fist & Twin Tiger");
  EXPECT_EQ(frog.folder, "/home/player") << "without Path=";
  EXPECT_EQ(frog.argv, (std::vector<std::string>{"/usr/games/frogfist", "say \"hi\""}));
  EXPECT_EQ(frog.wait, std::chrono::seconds(30));
  EXPECT_EQ(skyhop.wait, std::chrono::seconds(0));
  EXPECT_EQ(saved.commands.at("Frog Fist & Twin Tiger").argv, frog.argv);
}

// Each bad entry gives one line naming the file and its line, and costs only
// its own group.
TEST_F(ChannelsFileTest, EachBadEntryIsNamedByItsLineAndIgnoredAlone) {
  const app::ChannelsFile file = Read(
      "[Skyhop Quest]\n"             // 1
      "Exec=good\n"                  // 2
      "[Skyhop]Quest]\n"             // 3: a broken title, whose lines must not fall to the group before
      "Exec=stray\n"                 // 4
      "[Skyhop Quest]\n"             // 5: a second time
      "Exec=again\n"                 // 6
      "[Skyhop World]\n"             // 7
      "Exec=emu \"unclosed\n"        // 8: bad quoting
      "[Blitz the Porcupine]\n"      // 9
      "Exec=blitz\n"                 // 10
      "Fullscreen yes\n"             // 11: neither key, group nor comment
      "[Runeblade]\n"                // 12
      "Exec=rune caf\xe9\n"          // 13: Latin-1, not UTF-8
      "[Star Swarm]\n"               // 14: no Exec=
      "Path=/games\n"                // 15
      "[Ink Realm]\n"                // 16
      "Exec=ink\n"                   // 17
      "Path=games\n"                 // 18: not absolute
      "[Zorb & Zip]\n"               // 19
      "Exec=zorb\n"                  // 20
      "[Time Rift]\n"                // 21
      "Exec=rift \\q\n"              // 22: no such escape
      "Path=/games\n"                // 23: read after the bad one, without a word
      "[Werecrest]\n"                // 24
      "Exec=crest \"a \\\"b\\\"\"\n"   // 25: the shell's quoting, not the file's
      "[Jet Grid]\n"                 // 26
      "Exec=jet\n"                   // 27
      "Wait=soon\n");                // 28
  EXPECT_EQ(Titles(file), (std::vector<std::string>{"Skyhop Quest", "Zorb & Zip"}));
  EXPECT_EQ(file.commands.at("Skyhop Quest").line, "good");

  const std::vector<std::pair<int, std::string>> expected = {
      {3, "[Skyhop]Quest]"}, {5, "comes a second time"}, {8, "cannot be split"},
      {11, "Fullscreen yes"}, {13, "not UTF-8"},  {14, "has no Exec="},  {18, "not an absolute folder"},
      {22, "Exec= cannot be read"}, {25, "Exec= cannot be read"}, {28, "Wait= is not a number of seconds"}};
  ASSERT_EQ(file.problems.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& [line, words] = expected[i];
    EXPECT_TRUE(file.problems[i].starts_with(path + ":" + std::to_string(line) + ": ")) << file.problems[i];
    EXPECT_NE(file.problems[i].find(words), std::string::npos) << file.problems[i];
  }
}

// A file of junk costs one line for each problem up to twenty, and one for
// the rest; a file too large for a list of games is not read at all.
TEST_F(ChannelsFileTest, JunkIsCountedNotListedAndAFileOverOneMebibyteIsNotRead) {
  std::string junk;
  for (int i = 0; i < 1000; ++i) junk += "junk\n";
  const app::ChannelsFile file = Read(junk);
  ASSERT_EQ(file.problems.size(), 21u);
  EXPECT_EQ(file.problems[19].rfind(path + ":20: ", 0), 0u) << file.problems[19];
  EXPECT_EQ(file.problems[20], path + ": 980 more problems are not listed");

  const app::ChannelsFile large = Read("[Skyhop Quest]\nExec=good\n#" + std::string(1024 * 1024, 'x') + "\n");
  EXPECT_TRUE(large.commands.empty());
  ASSERT_EQ(large.problems.size(), 1u);
  EXPECT_EQ(large.problems[0], path + ": is ignored: it is larger than 1024 KiB (a list of games never is)");
}

// As ssh treats its own files: one that someone else could have written is not
// read at all.
TEST_F(ChannelsFileTest, AFileOthersCouldHaveChangedIsIgnoredWholeWithOneLine) {
  const std::string good = "[Skyhop Quest]\nExec=good\n";
  EXPECT_EQ(Read(good, 0644).commands.size(), 1u);
  for (const mode_t mode : {0620, 0602}) {
    const app::ChannelsFile file = Read(good, mode);
    EXPECT_TRUE(file.commands.empty()) << std::oct << mode;
    ASSERT_EQ(file.problems.size(), 1u) << std::oct << mode;
    EXPECT_EQ(file.problems[0].rfind(path + ": is ignored: ", 0), 0u) << file.problems[0];
  }
  EXPECT_TRUE(app::UntrustedBecause(1001, 0600, 1000));
  EXPECT_FALSE(app::UntrustedBecause(1000, 0600, 1000));
  EXPECT_FALSE(app::UntrustedBecause(0, 0644, 1000)) << "root's file, as ssh takes it";

  // A FIFO in its place must not hang the program; no file at all says nothing.
  std::remove(path.c_str());
  EXPECT_TRUE(app::ReadChannelsFile(path, "/").problems.empty());
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  const app::ChannelsFile fifo = app::ReadChannelsFile(path, "/");
  ASSERT_EQ(fifo.problems.size(), 1u);
  EXPECT_NE(fifo.problems[0].find("not an ordinary file"), std::string::npos);
}

// A group no built-in channel is titled by is a channel of the user's own.
TEST_F(ChannelsFileTest, OwnChannelsKeepEveryGoodKeyAndLoseOnlyTheBadOnes) {
  const app::ChannelsFile file = Read(
      "[Moonlit Harbour]\n"          // 1
      "Exec=harbour\n"               // 2
      "Platform=Kestrel Portable\n"  // 3
      "Year=1999\n"                  // 4
      "Players=1-4\n"                // 5
      "Tile=12\n"                    // 6
      "Picture=/art/moon.jpg\n"      // 7
      "Style=super kestrel\n"        // 8
      "[Bad Keys]\n"                 // 9
      "Exec=bad\n"                   // 10
      "Year=ninety\n"                // 11
      "Players=4-1\n"                // 12
      "Tile=6\n"                     // 13: the forecast's
      "Picture=art/moon.jpg\n"       // 14
      "Screenshot=shot.png\n"        // 15
      "Style=PLAYSTATION\n"          // 16
      "Platform=\n"                  // 17: empty, not bad
      "Year=\\q\n");               // 18: GKeyFile's own complaint, a second Year= line
  const std::vector<std::pair<int, std::string>> expected = {
      {12, "Players=4-1 is not a number of players"}, {13, "Tile=6 is not an empty tile or a game's"},
      {14, "Picture=art/moon.jpg is not an absolute path"}, {15, "Screenshot=shot.png is not an absolute path"},
      {16, "Style=PLAYSTATION is not KESTREL"}, {18, "Year="}};
  ASSERT_EQ(file.problems.size(), expected.size()) << file.problems.front();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(file.problems[i].starts_with(path + ":" + std::to_string(expected[i].first) + ": ")) << file.problems[i];
    EXPECT_NE(file.problems[i].find(expected[i].second), std::string::npos) << file.problems[i];
    EXPECT_NE(file.problems[i].find("[Bad Keys] shows without it"), std::string::npos) << file.problems[i];
  }
  ASSERT_EQ(file.own.size(), 2u);
  const catalogue::OwnChannel& moon = file.own[0];
  EXPECT_EQ(moon.title, "Moonlit Harbour");
  EXPECT_EQ(moon.platform, "Kestrel Portable");
  EXPECT_EQ(moon.year, "1999");
  EXPECT_EQ(moon.players, "1-4");
  EXPECT_EQ(moon.tile, 12);
  EXPECT_EQ(moon.picture, "/art/moon.jpg");
  EXPECT_EQ(moon.style, catalogue::Style::SuperKestrel);
  EXPECT_EQ(file.commands.at("Moonlit Harbour").line, "harbour");
  const catalogue::OwnChannel& bad = file.own[1];
  EXPECT_EQ(bad.tile, 10) << "the first empty tile, its Tile= lost";
  EXPECT_EQ(bad.players + bad.picture + bad.screenshot + bad.platform + bad.year, "");
  EXPECT_FALSE(bad.style);
}

TEST_F(ChannelsFileTest, ATileTakenAndNoTileLeftAreEachNamed) {
  std::string text = "[First]\nExec=a\nTile=44\n[Second]\nExec=b\nTile=44\n";  // Tile= on line 6
  for (int i = 0; i < 42; ++i) text += "[Game " + std::to_string(i) + "]\nExec=c\n";
  const app::ChannelsFile file = Read(text);
  ASSERT_EQ(file.own.size(), 44u);
  EXPECT_EQ(file.own[1].tile, 10);
  EXPECT_EQ(file.own[43].tile, 0);
  ASSERT_EQ(file.problems.size(), 2u);
  EXPECT_TRUE(file.problems[0].starts_with(path + ":6: tile 44 went to a channel before [Second]; it takes tile 10"))
      << file.problems[0];
  EXPECT_TRUE(file.problems[1].starts_with(path + ":89: no tile is left for [Game 41]")) << file.problems[1];
}

TEST_F(ChannelsFileTest, TheListShowsTheMenuTileByTileWithWhatOwnChannelsFound) {
  const app::ChannelsFile file = Read(
      "[Skyhop Quest]\nExec=skyhop\n"
      "[Moon: Harbour]\nExec=harbour\nScreenshot=/nowhere/shot.png\n"
      "[Star Road]\nExec=road\nPath=/games\nTile=12\n");
  folder.Touch("/media/Moon- Harbour/tile.jpg");
  std::stringstream list;
  app::ListChannels(file, folder.PathOf("/media"), list);
  std::vector<std::string> lines;
  for (std::string line; std::getline(list, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u + 48 + 2 * 2) << list.str();
  const std::vector<std::pair<std::size_t, std::vector<std::string>>> expected = {
      {1, {"   1  Crimson Edge - Northgate", "console", "a message box"}},
      {9, {"   9  Skyhop Quest", "built-in", "skyhop  (in /home/player)"}},
      {10, {"  10  Moon: Harbour", "yours", "harbour  (in /home/player)"}},
      {11, {"tile picture: " + folder.PathOf("/media/Moon- Harbour/tile.jpg")}},
      {12, {"screenshot: drawn (/nowhere/shot.png is not there)"}},
      {14, {"  12  Star Road", "yours", "road  (in /games)"}},
      {16, {"screenshot: drawn"}},
      {18, {"  14  Blitz the Porcupine 2", "built-in", "blanks the screen"}},
      {52, {"  48  (empty)"}}};
  for (const auto& [index, words] : expected)
    for (const std::string& word : words) EXPECT_NE(lines[index].find(word), std::string::npos) << lines[index];
}

TEST(MediaFolder, TitlesAreWrittenAsFolderNamesTheUserCanType) {
  EXPECT_EQ(app::MediaFolder("/m", "Moonlit Harbour"), "/m/Moonlit Harbour");
  EXPECT_EQ(app::MediaFolder("/m", "Runeblade: Echoes/Past"), "/m/Runeblade- Echoes-Past");
  EXPECT_EQ(app::MediaFolder("/m", ".."), "") << "out of the media folder";
  EXPECT_EQ(app::MediaFolder("/m", "..."), "/m/...");

  catalogue::OwnChannel channel{.title = "Moon", .screenshot = "/art/shot.png"};
  const userpictures::PictureFiles tile = app::TilePictureFiles(channel, "/m");
  EXPECT_EQ(tile.paths, (std::vector<std::string>{"/m/Moon/tile.png", "/m/Moon/tile.jpg"}));
  EXPECT_FALSE(tile.named);
  const userpictures::PictureFiles shot = app::ScreenshotFiles(channel, "/m");
  EXPECT_EQ(shot.paths, std::vector<std::string>{"/art/shot.png"});
  EXPECT_TRUE(shot.named);

  setenv("XDG_DATA_HOME", "relative", 1);
  EXPECT_EQ(app::MediaHome(), app::HomeFolder() + "/.local/share/quil-os/media");
  setenv("XDG_DATA_HOME", "/data", 1);
  EXPECT_EQ(app::MediaHome(), "/data/quil-os/media");
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace quil::test
