#include "app/ProcessStarter.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/ScratchFolder.h"

namespace quil::test {
namespace {

using namespace std::chrono_literals;

channels::GameCommand Command(std::vector<std::string> argv, std::string folder) {
  return {"(test)", std::move(argv), std::move(folder)};
}

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// Polls like the channel screen's timer, for at most five seconds.
bool EndsWithin5s(app::ProcessStarter& starter) {
  for (int i = 0; i < 500; ++i) {
    if (!starter.Running()) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

// Gone, or a zombie nobody reaps (an orphan in a container without init),
// within a second: the signal reached it, its end may take a moment.
bool GoneWithin1s(const std::string& pid) {
  for (int i = 0; i < 100; ++i) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string skip, name, state;
    if (!(stat >> skip >> name >> state) || state == "Z") return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

bool AppearsWithin5s(const std::string& path) {
  for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i) std::this_thread::sleep_for(10ms);
  return std::filesystem::exists(path);
}

TEST(ProcessStarter, AGameRunsInItsFolderAndAGroupOfItsOwnWithNothingOfTheProgramsButItsOutput) {
  ScratchFolder folder;
  const int leaked = open("/dev/null", O_RDONLY);  // no close-on-exec
  ASSERT_GE(leaked, 0);
  std::ostringstream log;
  app::ProcessStarter starter(log);
  const std::string script = "{ echo $$; cut -d' ' -f5-7 /proc/$$/stat; pwd; readlink /proc/$$/fd/0; test -e /proc/$$/fd/" +
                             std::to_string(leaked) + " && echo leaked; } > out; exit 3";
  ASSERT_EQ(starter.Start("Skyhop Quest", Command({"sh", "-c", script}, folder.Path())), std::nullopt);
  EXPECT_TRUE(EndsWithin5s(starter));
  close(leaked);

  const std::vector<std::string> seen = Lines(folder.PathOf("/out"));
  ASSERT_EQ(seen.size(), 4u) << "a descriptor of the program's leaked into the game";
  EXPECT_EQ(seen[1], seen[0] + " " + seen[0] + " 0") << "process group, session, no terminal";
  EXPECT_EQ(seen[2], folder.Path());
  EXPECT_EQ(seen[3], "/dev/null") << "standard input";
  EXPECT_EQ(log.str(), "Quil OS: the game of \"Skyhop Quest\" ended with exit status 3\n");
}

// Launchers and wrapper scripts leave the game to a child and return; a
// stopped process would never go on by itself; a launcher that hands the game
// to a process of its own has its wait.
TEST(ProcessStarter, AGameRunsWhileAnyOfItsProcessesLivesStoppedOnesGoOnAndTheWaitIsKept) {
  ScratchFolder folder;
  std::ostringstream log;
  std::chrono::steady_clock::time_point now{};
  app::ProcessStarter starter(log, 200ms, [&now] { return now; });
  std::vector<std::string> handed;
  bool windowsShown = false;
  starter.SetHandoff({.toGame = [&](pid_t session) { handed.push_back("to " + std::to_string(session)); },
                      .back = [&] { handed.push_back("back"); },
                      .newWindowsShown = [&] { return windowsShown; }});

  ASSERT_EQ(starter.Start("Launcher", Command({"sh", "-c", "(until [ -e stop ]; do sleep 0.05; done) & echo $$ > l && mv l leader"},
                                              folder.Path())),
            std::nullopt);
  ASSERT_TRUE(AppearsWithin5s(folder.PathOf("/leader")));
  ASSERT_TRUE(GoneWithin1s(Lines(folder.PathOf("/leader")).at(0)));
  EXPECT_TRUE(starter.Running()) << "the leader has gone, its child plays on";
  EXPECT_EQ(handed, std::vector<std::string>{"to " + Lines(folder.PathOf("/leader")).at(0)});
  folder.Touch("/stop");
  EXPECT_TRUE(EndsWithin5s(starter));
  EXPECT_EQ(handed.back(), "back");
  EXPECT_EQ(log.str(), "Quil OS: the game of \"Launcher\" ended with exit status 0\n");

  log.str("");
  ASSERT_EQ(starter.Start("Stopped", Command({"sh", "-c", "kill -STOP $$; exit 4"}, folder.Path())), std::nullopt);
  EXPECT_TRUE(EndsWithin5s(starter));
  EXPECT_EQ(log.str(), "Quil OS: the game of \"Stopped\" ended with exit status 4\n");

  channels::GameCommand daemon = Command({"true"}, folder.Path());
  daemon.wait = 30s;
  ASSERT_EQ(starter.Start("Handed on", daemon), std::nullopt);
  std::this_thread::sleep_for(200ms);
  now += 29s;
  EXPECT_TRUE(starter.Running()) << "within its wait";
  windowsShown = true;
  now += 1s;
  EXPECT_TRUE(starter.Running()) << "past its wait, with a window come since its start";
  windowsShown = false;
  EXPECT_TRUE(EndsWithin5s(starter));
  EXPECT_EQ(std::count(handed.begin(), handed.end(), "back"), 3);
}

TEST(ProcessStarter, AGameThatCannotStartSaysWhyAndLeavesNothingRunning) {
  ScratchFolder folder;
  const std::string notExecutable = folder.Touch("/game.sh");
  std::ostringstream log;
  app::ProcessStarter starter(log);
  EXPECT_EQ(starter.Start("A", Command({"quil-test-no-such-game"}, folder.Path())), "No such file or directory");
  EXPECT_EQ(starter.Start("A", Command({notExecutable}, folder.Path())), "Permission denied");
  EXPECT_EQ(starter.Start("A", Command({"true"}, folder.PathOf("/gone"))),
            "its folder " + folder.PathOf("/gone") + " cannot be entered: No such file or directory");
  EXPECT_FALSE(starter.Running());
  EXPECT_EQ(log.str(), "");
}

// The program's end ends the game's whole group and waits: politely first,
// and for good once the grace time is over.
TEST(ProcessStarter, EndingTheProgramEndsTheGamesWholeGroupAndWaitsForIt) {
  ScratchFolder folder;
  std::ostringstream log;
  {
    app::ProcessStarter starter(log, 200ms);
    ASSERT_EQ(starter.Start("Polite", Command({"sh", "-c", "sleep 60 & echo $! > child; wait"}, folder.Path())),
              std::nullopt);
    ASSERT_TRUE(AppearsWithin5s(folder.PathOf("/child")));
  }
  EXPECT_TRUE(GoneWithin1s(Lines(folder.PathOf("/child")).at(0))) << "the game's own child";
  EXPECT_EQ(log.str(), "Quil OS: the game of \"Polite\" ended with signal 15 (Terminated)\n");

  log.str("");
  const auto before = std::chrono::steady_clock::now();
  {
    app::ProcessStarter starter(log, 200ms);
    ASSERT_EQ(starter.Start("Stubborn",
                            Command({"sh", "-c", "trap '' TERM; touch ready; while :; do sleep 1; done"}, folder.Path())),
              std::nullopt);
    ASSERT_TRUE(AppearsWithin5s(folder.PathOf("/ready")));
  }
  EXPECT_GE(std::chrono::steady_clock::now() - before, 200ms);
  EXPECT_EQ(log.str(), "Quil OS: the game of \"Stubborn\" ended with signal 9 (Killed)\n");

  // A helper that refuses SIGTERM, its leader gone already.
  log.str("");
  {
    app::ProcessStarter starter(log, 200ms);
    ASSERT_EQ(starter.Start("Orphan", Command({"sh", "-c", "(trap '' TERM; sh -c 'echo $PPID' > h && mv h helper; "
                                                           "while :; do sleep 1; done) & echo $$ > l && mv l leader"},
                                              folder.Path())),
              std::nullopt);
    ASSERT_TRUE(AppearsWithin5s(folder.PathOf("/helper")));
    ASSERT_TRUE(AppearsWithin5s(folder.PathOf("/leader")));
    ASSERT_TRUE(GoneWithin1s(Lines(folder.PathOf("/leader")).at(0)));
  }
  EXPECT_TRUE(GoneWithin1s(Lines(folder.PathOf("/helper")).at(0))) << "the helper left behind";
  EXPECT_EQ(log.str(), "Quil OS: the game of \"Orphan\" ended with exit status 0\n");
}

}  // namespace
}  // namespace quil::test
