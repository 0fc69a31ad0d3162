// zenpa runs puzzle commands on its own and hands printing to zenpa-desktop
// beside it; without that partner the hand-over fails with a clear message.
#include "support/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(ProgramPairTest, AloneZenpaSolvesButCannotPrint) {
  zenpa::testing::CliDir dir;
  const fs::path alone = dir.Path("alone");
  fs::create_directories(alone);
  fs::copy_file(ZENPA_BINARY, alone / "zenpa");
  const std::string zenpa = (alone / "zenpa").string();
  const auto solved = dir.RunProgram(
      zenpa, "sudoku solve",
      "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..\n");
  EXPECT_EQ(0, solved.exitCode) << solved.err;
  EXPECT_EQ("483921657967345821251876493548132976729564138136798245372689514814253769695417382\r\n",
            solved.out);

  const auto printed = dir.RunProgram(zenpa, "print --pdf " + dir.Path("out.pdf"), "text\r\n");
  EXPECT_EQ(127, printed.exitCode);
  EXPECT_NE(std::string::npos, printed.err.find("zenpa-desktop")) << printed.err;
  EXPECT_FALSE(dir.Exists("out.pdf"));
}

} // namespace
