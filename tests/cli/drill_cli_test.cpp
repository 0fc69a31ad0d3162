// End-to-end runs of `zenpa drill` through the real binary, and of a zenpa
// without the zenpa-desktop it hands printing to.
#include "base/file_io.h"
#include "base/sjis.h"
#include "support/cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using zenpa::base::Sj;
using zenpa::testing::CliRun;

int CountLines(const std::vector<std::string> &lines, const std::string &text) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string &line) {
    return line.find(text) != std::string::npos;
  }));
}

// A seeded sheet is Shift-JIS with CR LF and repeats for the same seed;
// subtraction sheets with answers go to a file as UTF-8; only a file, made
// whole before it replaces the old one, has a size limit: standard output
// takes the sheets as they come.
TEST(DrillCliTest, SheetsToStandardOutputAndToAFile) {
  const zenpa::testing::CliDir dir;
  const CliRun run = dir.Run("drill -n 4 --seed 3");
  ASSERT_EQ(0, run.exitCode) << run.err;
  const auto lines = zenpa::base::SplitLines(run.out);
  ASSERT_EQ(18u, lines.size());
  EXPECT_EQ(Sj("（全3問）"), lines[16]);
  EXPECT_EQ(zenpa::base::JoinLines(lines), run.out) << "every line ends in CR LF";
  EXPECT_EQ(run.out, dir.Run("drill -n 4 --seed 3").out);
  EXPECT_NE(run.out, dir.Run("drill -n 4 --seed 4").out);

  const CliRun file =
      dir.Run("drill -n 10 --sheets 3 --sub --answers --hints 2 --seed 9 --utf8 -o " +
              dir.Path("sheets.txt"));
  ASSERT_EQ(0, file.exitCode) << file.err;
  EXPECT_EQ("", file.out);
  const auto sheets = zenpa::base::SplitLines(dir.Read("sheets.txt"));
  EXPECT_EQ((std::vector<int>{6, 3, 6, 6}),
            (std::vector<int>{CountLines(sheets, "ひきざん"), CountLines(sheets, "│１０けた│"),
                              CountLines(sheets, "（全42問）"), CountLines(sheets, "\f")}));

  const CliRun huge =
      dir.Shell(std::string(ZENPA_BINARY) + " drill -n 999 --sheets 999 | head -c 100000");
  EXPECT_EQ(100000u, huge.out.size());
}

// A zenpa alone solves puzzles, but printing is handed to zenpa-desktop
// beside it and fails with a message naming it.
TEST(ProgramPairTest, AloneZenpaSolvesButCannotPrint) {
  zenpa::testing::CliDir dir;
  const std::filesystem::path alone = dir.Path("alone");
  std::filesystem::create_directories(alone);
  std::filesystem::copy_file(ZENPA_BINARY, alone / "zenpa");
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
