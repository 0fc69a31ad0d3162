#include "app/command_line.h"

#include <gtest/gtest.h>

#include <set>

namespace zenpa::app {
namespace {

CommandLine Parse(const std::vector<std::string> &args, std::set<std::string> files = {}) {
  return ParseCommandLine(args, [&](const std::string &name) { return files.count(name) > 0; });
}

TEST(CommandLineTest, SwitchesInEitherCase) {
  CommandLine upper = Parse({"/V", "/K"});
  EXPECT_TRUE(upper.enlarge);
  EXPECT_TRUE(upper.kMode);
  EXPECT_TRUE(Parse({"/k"}).kMode);
  CommandLine near = Parse({"/vk", "-v", "v"});
  EXPECT_FALSE(near.enlarge);
  EXPECT_FALSE(near.kMode);
}

TEST(CommandLineTest, ExistingFilesSortIntoDocumentAndPuzzleLaterOnesWinning) {
  CommandLine line = Parse({"a.txt", "p.NbP", "missing.txt", "b.zpf", "q.nbp", "gone.nbp"},
                           {"a.txt", "p.NbP", "b.zpf", "q.nbp"});
  EXPECT_EQ("b.zpf", line.docFileName);
  EXPECT_EQ("q.nbp", line.puzzleFileName);
}

TEST(CommandLineTest, UpperAsciiLeavesDoubleByteCharactersAlone) {
  EXPECT_EQ(".NBP", UpperAscii(".nbp"));
  EXPECT_EQ("\x82\x61", UpperAscii("\x82\x61"));
}

} // namespace
} // namespace zenpa::app
