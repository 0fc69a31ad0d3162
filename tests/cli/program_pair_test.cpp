// zenpa runs puzzle commands on its own and hands printing to zenpa-desktop
// beside it; without that partner the hand-over fails with a clear message.
#include "support/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr const char *kPuzzle =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..\n";

// Runs a copy of zenpa placed alone in a folder of its own.
zenpa::testing::CliRun RunAlone(const zenpa::testing::CliDir &dir, const std::string &args,
                                const std::string &input) {
  const fs::path alone = dir.Path("alone");
  fs::create_directories(alone);
  fs::copy_file(ZENPA_BINARY, alone / "zenpa", fs::copy_options::overwrite_existing);
  return dir.RunProgram((alone / "zenpa").string(), args, input);
}

TEST(ProgramPairTest, PuzzleCommandsNeedNoDesktopProgram) {
  zenpa::testing::CliDir dir;
  const auto run = RunAlone(dir, "sudoku solve", kPuzzle);
  EXPECT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ("483921657967345821251876493548132976729564138136798245372689514814253769695417382\r\n",
            run.out);
}

TEST(ProgramPairTest, PrintWithoutDesktopProgramFailsWithAMessage) {
  zenpa::testing::CliDir dir;
  const auto run = RunAlone(dir, "print --pdf " + dir.Path("out.pdf"), "text\r\n");
  EXPECT_EQ(127, run.exitCode);
  EXPECT_NE(std::string::npos, run.err.find("zenpa-desktop")) << run.err;
  EXPECT_FALSE(dir.Exists("out.pdf"));
}

TEST(ProgramPairTest, PrintIsHandedToTheDesktopProgram) {
  zenpa::testing::CliDir dir;
  const std::string pdf = dir.Path("out.pdf");
  const auto run = dir.Run("print --pdf " + pdf, "text\r\n");
  EXPECT_EQ(0, run.exitCode) << run.err;
  EXPECT_TRUE(fs::exists(pdf));
}

} // namespace
