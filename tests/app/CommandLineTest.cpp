#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace quil::test {
namespace {

app::CommandLine Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "quil-os");
  return app::ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLineTest, WithoutArgumentsTheScreenIsTheDesktopsOwn) {
  const app::CommandLine plain = Parse({});
  EXPECT_FALSE(plain.window.scaled);
  EXPECT_TRUE(plain.error.empty());
}

TEST(CommandLineTest, EachWindowOptionScalesTheScreen) {
  EXPECT_TRUE(Parse({"--window"}).window.scaled);
  const app::CommandLine full = Parse({"--fullscreen"});
  EXPECT_TRUE(full.window.scaled && full.window.fullscreen);
  EXPECT_EQ(Parse({"--scale", "1.5"}).window.scale, 1.5);
  const app::CommandLine joined = Parse({"--window", "--scale=2"});
  EXPECT_TRUE(joined.window.scaled);
  EXPECT_EQ(joined.window.scale, 2);
}

TEST(CommandLineTest, ScalesOutOfRangeOrNotNumbersAndUnknownArgumentsAreRefused) {
  for (const auto& arguments : std::vector<std::vector<const char*>>{
           {"--scale"}, {"--scale", "0"}, {"--scale", "9"}, {"--scale=1.5x"}, {"--scale", "nan"}, {"--bogus"}})
    EXPECT_FALSE(Parse(arguments).error.empty()) << arguments.back();
  EXPECT_TRUE(Parse({"-h"}).help);
}

}  // namespace
}  // namespace quil::test
