#include "app/command_line.h"

#include <gtest/gtest.h>

#include <set>

namespace zenpa::app {
namespace {

CommandLine Parse(const std::vector<std::string> &args, std::set<std::string> files = {}) {
  return ParseCommandLine(args, [&](const std::string &name) { return files.count(name) > 0; });
}

// "v" and "k" for the switches taken.
std::string Switches(const std::vector<std::string> &args) {
  const CommandLine line = Parse(args);
  return std::string(line.enlarge ? "v" : "") + (line.kMode ? "k" : "");
}

TEST(CommandLineTest, SwitchesInEitherCase) {
  EXPECT_EQ("vk", Switches({"/V", "/K"}));
  EXPECT_EQ("k", Switches({"/k"}));
  EXPECT_EQ("", Switches({"/vk", "-v", "v"}));
}

TEST(CommandLineTest, ExistingFilesSortIntoDocumentAndPuzzleLaterOnesWinning) {
  CommandLine line = Parse({"a.txt", "p.NbP", "missing.txt", "b.zpf", "q.nbp", "gone.nbp"},
                           {"a.txt", "p.NbP", "b.zpf", "q.nbp"});
  EXPECT_EQ("b.zpf", line.docFileName);
  EXPECT_EQ("q.nbp", line.puzzleFileName);
  EXPECT_EQ("\x82\x61.NBP", UpperAscii("\x82\x61.nbp")) << "double-byte characters stay";
}

} // namespace
} // namespace zenpa::app
