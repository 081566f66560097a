#include "app/ChannelsFile.h"
#include "app/UserFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
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
      "[Skyhop Quset]\n"             // 5: no such channel
      "Exec=typo\n"                  // 6
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
      {3, "[Skyhop]Quest]"}, {5, "no channel is titled \"Skyhop Quset\""}, {8, "cannot be split"},
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

}  // namespace
}  // namespace quil::test
