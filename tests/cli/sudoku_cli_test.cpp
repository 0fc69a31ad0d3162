// End-to-end runs of `zenpa sudoku` through the real binary.
#include "base/file_io.h"
#include "base/sjis.h"
#include "cli/support/cli_run.h"
#include "puzzle/support/puzzle_maker.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using zenpa::testing::BruteForce;
using zenpa::testing::Digits;
using zenpa::testing::DigitsFromText;
using zenpa::testing::PuzzleMaker;

using zenpa::testing::CliRun;

class SudokuCliTest : public ::testing::Test {
protected:
  // Writes the puzzle lines to a file and runs "zenpa sudoku ARGS FILE".
  CliRun Run(const std::string &args, const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines)
      text += line + "\n";
    return dir_.Run("sudoku " + args, text, "puzzles.txt");
  }

  zenpa::testing::CliDir dir_;
};

std::vector<std::string> SplitLf(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::string Text(const Digits &digits) {
  std::string text;
  for (int d : digits)
    text += static_cast<char>('0' + d);
  return text;
}

const char *const kNakedPair = zenpa::testing::kNakedPairPuzzle;
const char *const kEasy = zenpa::testing::kEasyPuzzle;
const char *const kNoAnswer =
    "010900300000070008060002057006020000004000800500000032090005070100006000030017900";

} // namespace

TEST_F(SudokuCliTest, GradeReportsBadLinesByNumberAndGoesOn) {
  const std::string repeated = std::string("11") + (kEasy + 2);
  const CliRun run = Run("grade --utf8", {kNakedPair, "12345", kEasy, repeated, "# note"});
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ((std::vector<std::string>{"5\tNaked Pair b\t23\t難しい問題です｡",
                                      "1\tBlock Unique\t28\tやさしい問題です｡"}),
            SplitLf(run.out));
  const std::vector<std::string> errors = SplitLf(run.err);
  ASSERT_EQ(2u, errors.size());
  EXPECT_NE(std::string::npos, errors[0].find("puzzles.txt:2: expected 81 characters"));
  EXPECT_EQ("puzzles.txt:4: a given repeats in its row, column or block",
            errors[1].substr(errors[1].find("puzzles.txt")));
}

TEST_F(SudokuCliTest, GradeWritesShiftJisLinesByDefault) {
  const CliRun run = Run("grade", {kEasy});
  EXPECT_EQ(0, run.exitCode);
  EXPECT_EQ("1\tBlock Unique\t28\t" + zenpa::base::Sj("やさしい問題です｡") + "\r\n", run.out);
}

TEST_F(SudokuCliTest, SolveWithThreadsKeepsInputOrderAndAgreesWithBruteForce) {
  PuzzleMaker maker(11);
  std::vector<std::string> puzzles;
  for (int i = 0; i < 24; ++i)
    puzzles.push_back(Text(maker.Puzzle(maker.CompleteGrid(), 22 + i % 6)));
  puzzles.push_back(kNoAnswer);
  const CliRun parallel = Run("solve -j 4 --utf8", puzzles);
  EXPECT_EQ(1, parallel.exitCode) << parallel.err; // the last one has no answer
  const std::vector<std::string> answers = SplitLf(parallel.out);
  ASSERT_EQ(puzzles.size(), answers.size());
  BruteForce brute;
  for (std::size_t i = 0; i + 1 < puzzles.size(); ++i) {
    ASSERT_EQ(1, brute.Count(DigitsFromText(puzzles[i])));
    EXPECT_EQ(Text(brute.first()), answers[i]) << i;
  }
  EXPECT_EQ("-\t解けませんでした。", answers.back());
  EXPECT_EQ(parallel.out, Run("solve --utf8", puzzles).out);
}

// Several hundred lines, so that the threads take turns many times: bad
// lines, comments, blank lines and CR LF ends scattered, the last without
// its LF. Every byte and the line numbers must match the single thread.
TEST_F(SudokuCliTest, ThreadsGiveTheSingleThreadsBytesOnALongMixedInput) {
  const char *const kinds[] = {kEasy, kNakedPair, kNoAnswer, "# note", "", "12345"};
  std::string text;
  std::string expectedErr;
  for (int i = 0; i < 600; ++i) {
    const std::string line = kinds[i % 6];
    text += line + (i % 4 == 0 ? "\r\n" : "\n");
    if (line == "12345")
      expectedErr += dir_.Path("many.txt") + ":" + std::to_string(i + 1) +
                     ": expected 81 characters, found 5\n";
  }
  text += kEasy;
  for (const char *command : {"solve", "count", "grade"}) {
    const std::string args = std::string("sudoku ") + command;
    const CliRun single = dir_.Run(args, text, "many.txt");
    const CliRun threads = dir_.Run(args + " -j 3", text, "many.txt");
    EXPECT_EQ(single.out, threads.out) << command;
    EXPECT_EQ(single.err, threads.err) << command;
    EXPECT_EQ(1, threads.exitCode) << command;
  }
  const CliRun count = dir_.Run("sudoku count -j 2", text, "many.txt");
  EXPECT_EQ(expectedErr, count.err);
  EXPECT_EQ(301u, SplitLf(count.out).size()); // half the lines are puzzles, and the last

  // Over a megabyte, read block by block: the order holds across blocks and
  // the line numbers run on.
  std::string big;
  for (int copy = 0; copy < 40; ++copy)
    big += text + "\n";
  const CliRun bigCount = dir_.Run("sudoku count -j 2", big, "big.txt");
  EXPECT_EQ(40u * 301u, SplitLf(bigCount.out).size());
  const std::string last = dir_.Path("big.txt") + ":" + std::to_string(39 * 601 + 600) +
                           ": expected 81 characters, found 5\n";
  EXPECT_EQ(last,
            bigCount.err.substr(bigCount.err.size() - std::min(last.size(), bigCount.err.size())));
}

TEST_F(SudokuCliTest, SolveStepsComeBeforeTheAnswer) {
  const CliRun run = Run("solve --step --utf8", {kEasy});
  const std::vector<std::string> lines = SplitLf(run.out);
  ASSERT_LT(1u, lines.size());
  BruteForce brute;
  brute.Count(DigitsFromText(kEasy));
  EXPECT_EQ(Text(brute.first()), lines.back());
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    EXPECT_EQ(std::string::npos, lines[i].find_first_of("\t")) << lines[i];
  EXPECT_EQ(0u, lines.front().find("Block Unique ")) << lines.front();
}

TEST_F(SudokuCliTest, CountStopsAtTheLimit) {
  Digits many{};
  const Digits full = PuzzleMaker(3).CompleteGrid();
  for (int i = 0; i < 81; i += 4)
    many[i] = full[i];
  const std::vector<std::string> puzzles = {kNakedPair, kNoAnswer, Text(many)};
  const CliRun run = Run("count --limit 5", puzzles);
  EXPECT_EQ(0, run.exitCode) << run.err;
  BruteForce brute;
  std::vector<std::string> expected;
  for (const std::string &p : puzzles)
    expected.push_back(std::to_string(brute.Count(DigitsFromText(p), 5)) + "\r");
  EXPECT_EQ(expected, SplitLf(run.out));
  EXPECT_EQ("5\r", SplitLf(run.out).back());
  EXPECT_EQ("2\r", SplitLf(Run("count", {Text(many)}).out).back());
}

TEST_F(SudokuCliTest, ShowWritesTheGridText) {
  const CliRun run = Run("show", {kEasy});
  const std::vector<std::string> lines = zenpa::base::SplitLines(run.out);
  ASSERT_EQ(20u, lines.size());
  EXPECT_EQ(zenpa::base::Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓"), lines[0]);
  EXPECT_EQ(zenpa::base::Sj("┃　│　│　┃９│　│８┃２│３│　┃"), lines[1]);
  EXPECT_EQ("", lines[19]);
  const CliRun utf8 = Run("show --utf8", {kEasy});
  EXPECT_EQ("┃　│　│　┃９│　│８┃２│３│　┃", SplitLf(utf8.out)[1]);
}

TEST_F(SudokuCliTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(2, Run("", {}).exitCode);
  EXPECT_EQ(2, Run("grade -j", {}).exitCode);
  EXPECT_EQ(2, Run("frobnicate", {}).exitCode);
  EXPECT_EQ(2, Run("count --limit 0", {}).exitCode);
}
