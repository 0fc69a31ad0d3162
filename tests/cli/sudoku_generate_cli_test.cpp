// End-to-end runs of `zenpa sudoku generate` through the real binary.
#include "puzzle/support/puzzle_maker.h"
#include "support/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using zenpa::testing::BruteForce;
using zenpa::testing::CliRun;
using zenpa::testing::Digits;

CliRun Generate(const std::string &args) {
  return zenpa::testing::CliDir().Run("sudoku generate " + args);
}

std::vector<std::string> LinesOf(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

int Clues(const Digits &d) {
  int n = 0;
  for (int v : d)
    n += v != 0;
  return n;
}

TEST(SudokuGenerateCli, PuzzlesHaveOneAnswerAndRespectTheClueWindow) {
  const CliRun o = Generate("-n 6 --seed 11 --clues 30 --min 28 --max 34");
  ASSERT_EQ(0, o.exitCode);
  const std::vector<std::string> lines = LinesOf(o.out);
  ASSERT_EQ(6u, lines.size());
  BruteForce brute;
  for (const std::string &line : lines) {
    ASSERT_EQ(81u, line.size());
    const Digits d = zenpa::testing::DigitsFromText(line);
    EXPECT_EQ(1, brute.Count(d)) << line;
    EXPECT_GE(Clues(d), 28);
    EXPECT_LE(Clues(d), 34);
  }
}

TEST(SudokuGenerateCli, SeededRunsRepeatForTheSameThreadCount) {
  const CliRun a = Generate("-n 4 --seed 5 -j 2");
  const CliRun b = Generate("-n 4 --seed 5 -j 2");
  EXPECT_EQ(0, a.exitCode);
  EXPECT_EQ(a.out, b.out);
  EXPECT_EQ(4u, LinesOf(a.out).size());
}

// Counting answers faster must not change what a seed makes.
TEST(SudokuGenerateCli, SeededOutputStaysAsItWas) {
  const CliRun o = Generate("-n 3 --seed 20261207 --min 22 --max 32");
  EXPECT_EQ(
      (std::vector<std::string>{
          ".....1........647..8.7....293...475.8..5.9.6....1...2939.....4.6.591.83.17...32..",
          "5...96.8........2.2....89753..6......21.4.3.9..691...76........4..367.919.3.2...6",
          ".4...5.....51.36..231846..95...9.238...6..4..8.7....1.4......2.3...84.6...23....4"}),
      LinesOf(o.out));
}

TEST(SudokuGenerateCli, SymmetricGivensUnderHalfTurn) {
  const CliRun o = Generate("-n 3 --seed 2 --symmetry 180 --min 20 --max 40");
  ASSERT_EQ(0, o.exitCode);
  for (const std::string &line : LinesOf(o.out)) {
    for (int i = 0; i < 81; ++i)
      EXPECT_EQ(line[i] == '.', line[80 - i] == '.') << line;
  }
}

TEST(SudokuGenerateCli, RequiredTechniqueIsTheHardestUsed) {
  // Only Localization ticked and required: every puzzle needs it and nothing harder.
  const CliRun o = Generate("-n 2 --seed 4 --technique localization --required --min 20 --max 40");
  ASSERT_EQ(0, o.exitCode);
  const zenpa::testing::CliDir dir;
  const CliRun graded = dir.Run("sudoku grade", o.out);
  for (const std::string &line : LinesOf(graded.out))
    EXPECT_EQ("4", line.substr(0, line.find('\t')));
}

// Each puzzle is written as soon as it is made: a run stopped on the way
// keeps whole lines, the same as a shorter run with the same seed.
TEST(SudokuGenerateCli, StoppedRunKeepsThePuzzlesItMade) {
  const zenpa::testing::CliDir dir;
  const CliRun stopped = dir.Command("timeout", "1 " + std::string(ZENPA_BINARY) +
                                                    " sudoku generate -n 100000 --seed 3");
  EXPECT_EQ(124, stopped.exitCode);
  const std::size_t made = LinesOf(stopped.out).size();
  ASSERT_LT(0u, made);
  EXPECT_EQ(Generate("--seed 3 -n " + std::to_string(made)).out, stopped.out);
}

TEST(SudokuGenerateCli, FormatsAndBadOptions) {
  const CliRun nbp = Generate("-n 2 --seed 1 --format nbp");
  EXPECT_EQ(20u, LinesOf(nbp.out).size()); // nine rows and an empty line per puzzle
  EXPECT_EQ(std::string::npos, LinesOf(nbp.out)[0].find('.'));
  const CliRun text = Generate("-n 1 --seed 1 --format text --utf8");
  EXPECT_NE(std::string::npos, text.out.find("-clue"));
  EXPECT_NE(std::string::npos, text.out.find("┏"));
  EXPECT_EQ(2, Generate("--symmetry spiral").exitCode);
  EXPECT_EQ(2, Generate("--clues 5").exitCode);
  EXPECT_EQ(2, Generate("--min 30 --max 20").exitCode);
  EXPECT_EQ(2, Generate("--technique magic").exitCode);
}

} // namespace
