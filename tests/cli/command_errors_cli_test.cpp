// The command line says what went wrong: output that cannot be written, bad
// option values, puzzles without an answer and files that cannot be read.
#include "support/cli_run.h"
#include "support/puzzle_samples.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace {

using zenpa::testing::CliDir;
using zenpa::testing::CliRun;

const std::string kEasy = zenpa::testing::kEasyPuzzle;

// Every command that writes to standard output fails when the disk is full,
// with the system's reason, whether the output is small (written at the end)
// or large (written on the way).
TEST(CommandErrorsCli, FullStandardOutputIsAnError) {
  CliDir dir;
  const std::string puzzles = dir.Write("p.txt", kEasy + "\n" + kEasy + "\n");
  const std::string grid = dir.Write("grid.txt", kEasy + "\n");
  for (const std::string &args : std::vector<std::string>{
           "--version", "sudoku grade " + puzzles, "sudoku convert --to 9x9 " + puzzles,
           "sudoku import " + grid, "sudoku generate -n 2 --seed 1", "drill -n 300 --sheets 3"}) {
    const CliRun r = dir.Shell(std::string(ZENPA_BINARY) + " " + args + " >/dev/full");
    EXPECT_NE(0, r.exitCode) << args;
    EXPECT_EQ("zenpa: write error: No space left on device\n", r.err) << args;
  }
}

TEST(CommandErrorsCli, BadOptionsNameTheOptionAndItsRange) {
  CliDir dir;
  const struct {
    std::string args;
    std::string message;
  } kCases[] = {
      {"sudoku count --limit -1", "zenpa sudoku: --limit needs a whole number from 1 to 1000000"},
      {"sudoku grade -j 0", "zenpa sudoku: -j needs a whole number from 1 to 256"},
      {"sudoku solve --fast", "zenpa sudoku: unknown option '--fast'"},
      {"sudoku frobnicate", "zenpa sudoku: unknown command 'frobnicate'"},
      {"sudoku generate -n 0", "zenpa sudoku generate: -n needs a whole number from 1 to 1000000"},
      {"sudoku generate --clues 15",
       "zenpa sudoku generate: --clues needs a whole number from 16 to 80"},
      {"sudoku generate --symmetry spiral",
       "zenpa sudoku generate: --symmetry needs one of none, 90, 180, four, lr, ud, x, slash, "
       "backslash"},
      {"sudoku generate --min 30 --max 20",
       "zenpa sudoku generate: --min must not be greater than --max"},
      {"sudoku generate --quick", "zenpa sudoku generate: unknown option '--quick'"},
      {"sudoku generate --technique magic",
       "zenpa sudoku generate: --technique needs one of block-unique, line-unique, cell-unique, "
       "localization, naked-pair, hidden-pair, naked-triple, hidden-triple, x-wing, swordfish, "
       "skyscraper, xy-wing, remote-pair, 2-string-kite, empty-rect, naked-quad, hidden-quad"},
      {"drill -o ''", "zenpa drill: -o needs a file name"},
      {"drill -n 3", "zenpa drill: -n needs a whole number from 4 to 999"},
      {"drill --sheets 0", "zenpa drill: --sheets needs a whole number from 1 to 999"},
      {"drill --hints 10", "zenpa drill: --hints needs a whole number from 0 to 9"},
      {"drill --seed", "zenpa drill: --seed needs a whole number from 0 to 9223372036854775807"},
      {"drill --bogus", "zenpa drill: unknown option '--bogus'"},
      {"drill -n 999 --sheets 999 --answers -o /nonexistent-dir/big.txt",
       "zenpa drill: the file would be 11442 MB, more than the limit of 512 MB; ask for fewer "
       "sheets or digits"},
      {"print x.txt --pages 0", "zenpa print: --pages needs A-B, A- or A, pages from 1 to 999: 0"},
      {"sudoku convert --to 8x8", "zenpa sudoku convert: --to needs one of 9x9, 9x9S, 9x9C, "
                                  "1gyo, csv, tab, url, url2"},
  };
  for (const auto &c : kCases) {
    const CliRun r = dir.Run(c.args);
    EXPECT_EQ(2, r.exitCode) << c.args;
    EXPECT_EQ(c.message, r.err.substr(0, r.err.find('\n'))) << c.args;
    EXPECT_EQ("", r.out) << c.args;
  }
}

// grade words its faults for the command line, with the line; a file that
// cannot be read, and a line too long to be a puzzle, say why.
TEST(CommandErrorsCli, PuzzleFaultsAndUnreadableFiles) {
  CliDir dir;
  std::string complete = "534678912672195348198342567859761423426853791713924856961537284"
                         "287419635345286179";
  std::string wrong = complete;
  std::swap(wrong[0], wrong[1]);
  const std::string puzzles =
      dir.Write("p.txt", complete + "\n" + wrong + "\n" + std::string(81, '0') + "\n");
  const CliRun grade = dir.Run("sudoku grade " + puzzles);
  EXPECT_EQ(1, grade.exitCode);
  EXPECT_EQ(puzzles + ":1: the puzzle is already complete\n" + puzzles +
                ":2: the filled grid is not a correct answer\n" + puzzles +
                ":3: too few givens (at least 16 are needed)\n",
            grade.err);

  const CliRun missing = dir.Run("sudoku grade " + dir.Path("none.txt") + " " + dir.Path(""));
  EXPECT_EQ(1, missing.exitCode);
  EXPECT_EQ(dir.Path("none.txt") + ":0: cannot read the file: No such file or directory\n" +
                dir.Path("") + ":0: cannot read the file: Is a directory\n",
            missing.err);

  const std::string longLine = dir.Write("long.txt", kEasy + "\n\n" + std::string(3 << 20, '0'));
  const CliRun count = dir.Run("sudoku count " + longLine);
  EXPECT_EQ(1, count.exitCode);
  EXPECT_EQ("1\r\n", count.out);
  EXPECT_EQ(longLine + ":3: the line is longer than 1 MB\n", count.err);
}

// Under a memory limit, commands that need more say so, exit 1 and leave no
// output file; an endless line of zeros is an error, not read on forever; a
// file that cannot be written is named with the reason, in English.
TEST(CommandErrorsCli, OutOfMemoryAndUnwritableFilesAreSaid) {
  CliDir dir;
  const std::string zenpa = ZENPA_BINARY;
  const struct {
    std::string command;
    std::string message;
  } kCases[] = {
      {"yes 000 | " + zenpa + " sudoku convert --to 9x9",
       "zenpa: out of memory while running zenpa sudoku convert\n"},
      {zenpa + " drill -n 400 --sheets 100 -o " + dir.Path("sheets.txt"),
       "zenpa: out of memory while running zenpa drill\n"},
      {zenpa + " sudoku count /dev/zero", "/dev/zero:1: the line is longer than 1 MB\n"},
      {zenpa + " sudoku convert --to 9x9 </dev/zero",
       "zenpa sudoku: -:1: the line is longer than 1 MB\n"},
      {zenpa + " drill -n 4 -o /nonexistent-dir/sheet.txt",
       "zenpa drill: cannot write /nonexistent-dir/sheet.txt: No such file or directory\n"},
  };
  for (const auto &c : kCases) {
    const CliRun r = dir.Shell("ulimit -v 100000; " + c.command);
    EXPECT_EQ(1, r.exitCode) << c.command;
    EXPECT_EQ(c.message, r.err) << c.command;
  }
  EXPECT_FALSE(dir.Exists("sheets.txt"));
}

// Output onto standard output opened for appending, and onto a FIFO, goes to
// the stream: nothing replaces the log or the FIFO.
TEST(CommandErrorsCli, OutputOntoStreamsAndFifos) {
  CliDir dir;
  const std::string log = dir.Write("log.txt", "old\r\n");
  const std::string drill = std::string(ZENPA_BINARY) + " drill -n 4 --seed 1";
  const CliRun sheet = dir.Run("drill -n 4 --seed 1");
  ASSERT_EQ(0, dir.Shell(drill + " -o /dev/stdout >>" + log).exitCode);
  EXPECT_EQ("old\r\n" + sheet.out, dir.Read("log.txt"));

  const std::string fifo = dir.Path("fifo");
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  const CliRun read = dir.Shell(drill + " -o " + fifo + " & cat " + fifo + "; wait $!");
  EXPECT_EQ(0, read.exitCode);
  EXPECT_EQ(sheet.out, read.out);
  struct stat st {};
  EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}

} // namespace
