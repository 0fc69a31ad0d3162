// End-to-end runs of `zenpa sudoku` through the real binary: grading,
// solving, counting, showing, converting, importing and generating.
#include "base/file_io.h"
#include "base/sjis.h"
#include "cli/support/cli_run.h"
#include "puzzle/support/puzzle_maker.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zenpa::base::Sj;
using zenpa::testing::BruteForce;
using zenpa::testing::CliRun;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;
using zenpa::testing::LfLines;
using zenpa::testing::PuzzleMaker;

const std::string kNakedPair = zenpa::testing::kNakedPairPuzzle;
const std::string kEasy = zenpa::testing::kEasyPuzzle;
const std::string kNoAnswer =
    "010900300000070008060002057006020000004000800500000032090005070100006000030017900";
const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

class SudokuCliTest : public ::testing::Test {
protected:
  // Writes the puzzle lines to a file and runs "zenpa sudoku ARGS FILE".
  CliRun Run(const std::string &args, const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines)
      text += line + "\n";
    return Run(args, text, "puzzles.txt");
  }
  // Runs "zenpa sudoku ARGS FILE" on a file holding input.
  CliRun Run(const std::string &args, const std::string &input, const std::string &name = "input") {
    return dir_.Run("sudoku " + args, input, name);
  }
  CliRun Generate(const std::string &args) { return dir_.Run("sudoku generate " + args); }

  zenpa::testing::CliDir dir_;
};

std::string Text(const Digits &digits) {
  std::string text;
  for (int d : digits)
    text += static_cast<char>('0' + d);
  return text;
}

// grade goes on past bad lines, naming them by number; its lines are
// Shift-JIS with CR LF unless asked for UTF-8.
TEST_F(SudokuCliTest, GradeReportsBadLinesByNumberAndGoesOn) {
  const std::string repeated = "11" + kEasy.substr(2);
  const CliRun run = Run("grade --utf8", {kNakedPair, "12345", kEasy, repeated, "# note"});
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ((std::vector<std::string>{"5\tNaked Pair b\t23\t難しい問題です｡",
                                      "1\tBlock Unique\t28\tやさしい問題です｡"}),
            LfLines(run.out));
  const std::vector<std::string> errors = LfLines(run.err);
  ASSERT_EQ(2u, errors.size());
  EXPECT_NE(std::string::npos, errors[0].find("puzzles.txt:2: expected 81 characters"));
  EXPECT_EQ("puzzles.txt:4: a given repeats in its row, column or block",
            errors[1].substr(errors[1].find("puzzles.txt")));
  const CliRun sjis = Run("grade", {kEasy});
  EXPECT_EQ(0, sjis.exitCode);
  EXPECT_EQ("1\tBlock Unique\t28\t" + Sj("やさしい問題です｡") + "\r\n", sjis.out);
}

// Several hundred lines, so that the threads take turns many times: bad
// lines, comments, blank lines and CR LF ends scattered, the last without
// its LF. Every byte and the line numbers must match the single thread.
TEST_F(SudokuCliTest, ThreadsGiveTheSingleThreadsBytesOnALongMixedInput) {
  const std::string kinds[] = {kEasy, kNakedPair, kNoAnswer, "# note", "", "12345"};
  std::string text;
  for (int i = 0; i < 600; ++i)
    text += kinds[i % 6] + (i % 4 == 0 ? "\r\n" : "\n");
  text += kEasy;
  for (const char *command : {"solve", "count", "grade"}) {
    const std::string args = std::string("sudoku ") + command;
    const CliRun single = dir_.Run(args, text, "many.txt");
    const CliRun threads = dir_.Run(args + " -j 3", text, "many.txt");
    EXPECT_EQ(single.out, threads.out) << command;
    EXPECT_EQ(single.err, threads.err) << command;
    EXPECT_EQ(1, threads.exitCode) << command;
  }

  // Over a megabyte, read block by block: the order holds across blocks and
  // the line numbers run on; half the lines are puzzles, and the last.
  std::string big;
  for (int copy = 0; copy < 40; ++copy)
    big += text + "\n";
  const CliRun bigCount = dir_.Run("sudoku count -j 2", big, "big.txt");
  EXPECT_EQ(40u * 301u, LfLines(bigCount.out).size());
  const std::string last = dir_.Path("big.txt") + ":" + std::to_string(39 * 601 + 600) +
                           ": expected 81 characters, found 5\n";
  EXPECT_EQ(last,
            bigCount.err.substr(bigCount.err.size() - std::min(last.size(), bigCount.err.size())));
}

// solve --step writes each step before the answer; a puzzle without one
// gets "-" and the reason; count stops at the limit, 2 unless given; show
// writes the grid text.
TEST_F(SudokuCliTest, SolveCountAndShow) {
  const std::vector<std::string> lines = LfLines(Run("solve --step --utf8", {kEasy}).out);
  ASSERT_LT(1u, lines.size());
  BruteForce brute;
  brute.Count(DigitsFromText(kEasy));
  EXPECT_EQ(Text(brute.first()), lines.back());
  EXPECT_EQ(0u, lines.front().find("Block Unique ")) << lines.front();
  const CliRun none = Run("solve --utf8", {kNoAnswer});
  EXPECT_EQ(1, none.exitCode);
  EXPECT_EQ("-\t解けませんでした。\n", none.out);

  Digits many{};
  const Digits full = PuzzleMaker(3).CompleteGrid();
  for (int i = 0; i < 81; i += 4)
    many[i] = full[i];
  const CliRun count = Run("count --limit 5", {kNakedPair, kNoAnswer, Text(many)});
  EXPECT_EQ(0, count.exitCode) << count.err;
  EXPECT_EQ("1\r\n0\r\n5\r\n", count.out);
  EXPECT_EQ("2\r\n", Run("count", {Text(many)}).out);

  EXPECT_EQ(Sj("┃　│　│　┃９│　│８┃２│３│　┃"),
            zenpa::base::SplitLines(Run("show", {kEasy}).out)[1]);
  EXPECT_EQ("┃　│　│　┃９│　│８┃２│３│　┃", LfLines(Run("show --utf8", {kEasy}).out)[1]);
}

// Puzzle lines convert to one-line form, comment lines skipped;
// document grids import and convert back; puzzle files convert as the load
// command reads them; faults fail with the load command's messages.
TEST_F(SudokuCliTest, PuzzleLinesDocumentGridsAndPuzzleFilesConvert) {
  const CliRun oneLine = Run("convert --to 1gyo", "# two\n" + kPuzzle + "\n" + kPuzzle + "\n");
  EXPECT_EQ(kPuzzle + "\r\n" + kPuzzle + "\r\n", oneLine.out);
  const CliRun imported = Run("import", kPuzzle);
  EXPECT_EQ(0, imported.exitCode);
  EXPECT_NE(std::string::npos, imported.out.find(Sj("┃５│３│　┃　│７│　┃　│　│　┃\r\n")));
  EXPECT_NE(std::string::npos, imported.out.find("30-clue"));
  const CliRun back = Run("convert --to 9x9C", imported.out);
  EXPECT_EQ(0, back.exitCode);
  EXPECT_EQ("530 070 000\r\n600 195 000\r\n098 000 060\r\n\r\n", back.out.substr(0, 41));

  std::string rows;
  for (int r = 0; r < 9; ++r)
    rows += kPuzzle.substr(9 * static_cast<std::size_t>(r), 9) + "\r\n";
  const CliRun nbp =
      Run("convert --to 1gyo", "T=two\r\n" + rows + "\r\nA=" + kPuzzle + "\r\n", "two.nbp");
  EXPECT_EQ(0, nbp.exitCode);
  EXPECT_EQ(kPuzzle + "\r\n" + kPuzzle + "\r\n", nbp.out);

  const CliRun cut = Run("convert --to 1gyo", rows + rows.substr(0, 22), "cut.nbp");
  EXPECT_EQ(1, cut.exitCode);
  EXPECT_EQ(kPuzzle + "\r\n", cut.out);
  EXPECT_EQ(1, Run("import --utf8", "12345").exitCode);
  EXPECT_EQ(2, Run("convert", kPuzzle).exitCode);
}

// A seed makes the same puzzles for the same thread count, and counting
// answers faster must not change what it makes; a required
// technique and the output formats are kept; each puzzle is written as soon
// as it is made: a run stopped on the way keeps whole lines, the same as a
// shorter run with the same seed.
TEST_F(SudokuCliTest, Generate) {
  EXPECT_EQ(
      (std::vector<std::string>{
          ".....1........647..8.7....293...475.8..5.9.6....1...2939.....4.6.591.83.17...32..",
          "5...96.8........2.2....89753..6......21.4.3.9..691...76........4..367.919.3.2...6",
          ".4...5.....51.36..231846..95...9.238...6..4..8.7....1.4......2.3...84.6...23....4"}),
      LfLines(Generate("-n 3 --seed 20261207 --min 22 --max 32").out));
  const CliRun a = Generate("-n 4 --seed 5 -j 2");
  EXPECT_EQ(4u, LfLines(a.out).size());
  EXPECT_EQ(a.out, Generate("-n 4 --seed 5 -j 2").out);

  // Only Localization ticked and required: every puzzle needs it and nothing harder.
  const CliRun l = Generate("-n 2 --seed 4 --technique localization --required --min 20 --max 40");
  ASSERT_EQ(0, l.exitCode);
  for (const std::string &line : LfLines(Run("grade", l.out).out))
    EXPECT_EQ("4", line.substr(0, line.find('\t')));

  const CliRun nbp = Generate("-n 2 --seed 1 --format nbp");
  EXPECT_EQ(20u, LfLines(nbp.out).size()); // nine rows and an empty line per puzzle
  EXPECT_EQ(std::string::npos, LfLines(nbp.out)[0].find('.'));
  EXPECT_NE(std::string::npos, Generate("-n 1 --seed 1 --format text --utf8").out.find("-clue"));

  const CliRun stopped = dir_.Command("timeout", "1 " + std::string(ZENPA_BINARY) +
                                                     " sudoku generate -n 100000 --seed 3");
  EXPECT_EQ(124, stopped.exitCode);
  const std::size_t made = LfLines(stopped.out).size();
  ASSERT_LT(0u, made);
  EXPECT_EQ(Generate("--seed 3 -n " + std::to_string(made)).out, stopped.out);
}

} // namespace
